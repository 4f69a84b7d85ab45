// Header variables in file order, with typed access.
#include "db/header_variables.h"

#include "db/kept_groups.h"
#include "dxf/number_text.h"

namespace zek {

bool HeaderVariables::has(const std::string& name) const { return index_.count(name) != 0; }

const std::vector<KeptGroup>* HeaderVariables::find(const std::string& name) const {
  auto found = index_.find(name);
  return found == index_.end() ? nullptr : &variables_[found->second].groups;
}

void HeaderVariables::set(const std::string& name, std::vector<KeptGroup> groups) {
  auto found = index_.find(name);
  if (found != index_.end()) {
    variables_[found->second].groups = std::move(groups);
    return;
  }
  index_.emplace(name, variables_.size());
  variables_.push_back({name, std::move(groups)});
}

void HeaderVariables::remove(const std::string& name) {
  auto found = index_.find(name);
  if (found == index_.end())
    return;
  variables_.erase(variables_.begin() + static_cast<long>(found->second));
  index_.clear();
  for (std::size_t i = 0; i < variables_.size(); ++i)
    index_.emplace(variables_[i].name, i);
}

void HeaderVariables::clear() {
  variables_.clear();
  index_.clear();
}

std::optional<std::string> HeaderVariables::text(const std::string& name) const {
  const std::vector<KeptGroup>* groups = find(name);
  if (groups == nullptr || groups->empty())
    return std::nullopt;
  return groups->front().text;
}

namespace {
// Header values as other programs wrote them: spaces around the number and
// decimal commas ("-6,63671875") read as the number they stand for.
std::optional<double> toReal(const std::string& text) {
  double v = 0.0;
  if (dxf::parseDouble(text, v) == dxf::NumberParse::Bad)
    return std::nullopt;
  return v;
}
}  // namespace

std::optional<double> HeaderVariables::real(const std::string& name) const {
  std::optional<std::string> t = text(name);
  return t ? toReal(*t) : std::nullopt;
}

std::optional<long long> HeaderVariables::integer(const std::string& name) const {
  std::optional<double> v = real(name);
  if (!v)
    return std::nullopt;
  return static_cast<long long>(*v);
}

std::optional<AcGePoint3d> HeaderVariables::point(const std::string& name) const {
  const std::vector<KeptGroup>* groups = find(name);
  if (groups == nullptr || groups->empty())
    return std::nullopt;
  AcGePoint3d p;
  for (const KeptGroup& g : *groups) {
    std::optional<double> v = toReal(g.text);
    if (!v)
      continue;
    int axis = (g.code / 10) % 10;  // 10 → x, 20 → y, 30 → z
    if (axis == 1) p.x = *v;
    else if (axis == 2) p.y = *v;
    else if (axis == 3) p.z = *v;
  }
  return p;
}

void HeaderVariables::setText(const std::string& name, int code, const std::string& value) {
  set(name, {{code, value}});
}

void HeaderVariables::setReal(const std::string& name, int code, double value) {
  set(name, {{code, formatReal(value)}});
}

void HeaderVariables::setInteger(const std::string& name, int code, long long value) {
  set(name, {{code, std::to_string(value)}});
}

void HeaderVariables::setPoint(const std::string& name, const AcGePoint3d& value, bool withZ) {
  std::vector<KeptGroup> groups{{10, formatReal(value.x)}, {20, formatReal(value.y)}};
  if (withZ)
    groups.push_back({30, formatReal(value.z)});
  set(name, std::move(groups));
}

}  // namespace zek
