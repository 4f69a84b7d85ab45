// Reading zekregister.dat by the "%s" rule and turning its records into
// registry entries.
#include "registration_plan.h"

#include <optional>

#include "deffiles/definition_file.h"

namespace zek {

namespace {

constexpr const char* kStartupApps[] = {"zekgetpoint", "zekislands"};
// Room for the usual number of commands of one module.
constexpr std::size_t kUsualCommandCount = 20;

AppEntry entryFor(std::string_view name, std::string_view directory, int reasons) {
  AppEntry entry;
  entry.name = name;
  entry.modulePath = std::string(directory) + entry.name + ".arx";
  entry.description = entry.name + "_des";
  entry.loadReasons = reasons;
  return entry;
}

// Builds one record token by token: name, group, then global and local
// names in turn.
class RecordBuilder {
public:
  RecordBuilder() { record_.commands.reserve(kUsualCommandCount); }

  void add(std::string_view token) {
    if (record_.name.empty()) {
      record_.name = token;
    } else if (!hasGroup_) {
      record_.group = token;
      hasGroup_ = true;
    } else if (pendingGlobal_) {
      record_.commands.push_back(CommandNames{*pendingGlobal_, std::string(token)});
      pendingGlobal_.reset();
    } else {
      pendingGlobal_ = std::string(token);
    }
  }

  // The finished record (none without a name); the builder starts afresh.
  std::optional<AppRecord> close() {
    if (pendingGlobal_)
      record_.commands.push_back(CommandNames{*pendingGlobal_, *pendingGlobal_});
    std::optional<AppRecord> done;
    if (!record_.name.empty())
      done = std::move(record_);
    *this = RecordBuilder();
    return done;
  }

private:
  AppRecord record_;
  bool hasGroup_ = false;
  std::optional<std::string> pendingGlobal_;
};

}  // namespace

std::vector<AppRecord> readAppRecords(std::string_view text) {
  TokenReader reader(text);
  std::vector<AppRecord> records;
  RecordBuilder builder;
  while (reader.tokensRead() < kRegistrationTokenLimit) {
    const std::optional<std::string_view> token = reader.nextToken();
    if (!token)
      break;
    if (*token != kRecordEnd) {
      builder.add(*token);
      continue;
    }
    if (std::optional<AppRecord> record = builder.close())
      records.push_back(std::move(*record));
  }
  return records;  // a record the file leaves open is not written
}

std::string moduleDirectory(std::string_view modulePath) {
  const std::size_t slash = modulePath.rfind('/');
  if (slash == std::string_view::npos)
    return {};
  return std::string(modulePath.substr(0, slash + 1));
}

std::vector<AppEntry> registryEntries(const std::vector<AppRecord>& records,
                                      std::string_view directory) {
  std::vector<AppEntry> entries;
  for (const AppRecord& record : records) {
    AppEntry entry = entryFor(record.name, directory, kOnDemandReasons);
    entry.commands = record.commands;
    entry.group = record.group;
    entries.push_back(std::move(entry));
  }
  for (const char* name : kStartupApps) {
    AppEntry entry = entryFor(name, directory, kStartupReasons);
    entry.group = name;
    entries.push_back(std::move(entry));
  }
  return entries;
}

}  // namespace zek
