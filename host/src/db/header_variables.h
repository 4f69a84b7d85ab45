// The HEADER section: every variable in file order with its groups, unknown
// ones included, and typed access to the ones the host uses.
#pragma once

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "db_object.h"
#include "ge_geometry.h"

namespace zek {

class HeaderVariables {
public:
  struct Variable {
    std::string name;               // "$ACADVER"
    std::vector<KeptGroup> groups;  // its value groups as filed
    bool operator==(const Variable&) const = default;
  };
  // Equal when every variable, its groups and their order are equal.
  bool operator==(const HeaderVariables& other) const { return variables_ == other.variables_; }

  const std::vector<Variable>& variables() const { return variables_; }
  bool has(const std::string& name) const;
  // The groups of a variable, or null.
  const std::vector<KeptGroup>* find(const std::string& name) const;
  // Replaces (or appends) a variable's groups.
  void set(const std::string& name, std::vector<KeptGroup> groups);
  void remove(const std::string& name);
  void clear();

  std::optional<std::string> text(const std::string& name) const;
  std::optional<double> real(const std::string& name) const;
  std::optional<long long> integer(const std::string& name) const;
  std::optional<AcGePoint3d> point(const std::string& name) const;
  void setText(const std::string& name, int code, const std::string& value);
  void setReal(const std::string& name, int code, double value);
  void setInteger(const std::string& name, int code, long long value);
  void setPoint(const std::string& name, const AcGePoint3d& value, bool withZ = true);

private:
  std::vector<Variable> variables_;
  std::unordered_map<std::string, std::size_t> index_;
};

}  // namespace zek
