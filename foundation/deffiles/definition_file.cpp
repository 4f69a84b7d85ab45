// Finding a definition file on the support path and reading it whole, with
// the messages a drafter sees when it is missing or cannot be read.
#include "deffiles/definition_file.h"

#include <cstdio>
#include <memory>
#include <utility>

#include "aced_arx.h"
#include "aced_output.h"

namespace zek::inline foundation {
namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { (void)std::fclose(file); }
};

// The C library's way: open for reading, read to the end, close on every
// path. A path that opens but does not read (a folder) counts as not open.
std::optional<std::string> readWholeFile(const std::string& path) {
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file)
    return std::nullopt;
  std::string bytes;
  char buffer[16384];
  for (;;) {
    const std::size_t got = std::fread(buffer, 1, sizeof buffer, file.get());
    bytes.append(buffer, got);
    if (got < sizeof buffer)
      break;
  }
  if (std::ferror(file.get()))
    return std::nullopt;
  return bytes;
}

DefinitionFileOpener& currentOpener() {
  static DefinitionFileOpener opener;  // empty: readWholeFile
  return opener;
}

// Text mode on the systems the files are written on reads "\r\n" as "\n";
// a byte-order mark some editors put first is no part of the first token.
std::string asTextMode(std::string text) {
  if (text.starts_with("\xEF\xBB\xBF"))
    text.erase(0, 3);
  std::size_t out = 0;
  for (std::size_t in = 0; in < text.size(); ++in) {
    if (text[in] == '\r' && in + 1 < text.size() && text[in + 1] == '\n')
      continue;
    text[out++] = text[in];
  }
  text.resize(out);
  return text;
}

// Finds and reads the file without a word; failure says why none came.
std::optional<DefinitionText> findAndRead(const char* fileName, const DefinitionFileOpener& open,
                                          DefinitionFileFailure& failure) {
  char found[kZekMaxPath];
  if (fileName == nullptr || acedFindFile(fileName, found) != RTNORM) {
    failure = DefinitionFileFailure::NotFound;
    return std::nullopt;
  }
  DefinitionText result;
  result.path = found;
  std::optional<std::string> bytes = open ? open(result.path) : readWholeFile(result.path);
  if (!bytes) {
    failure = DefinitionFileFailure::NotReadable;
    return std::nullopt;
  }
  result.text = asTextMode(decodeDefinitionBytes(*bytes, &result.decodedFromGbk));
  failure = DefinitionFileFailure::None;
  return result;
}

DefinitionFileOpener injectedOrDefaultOpener() {
  const DefinitionFileOpener& injected = currentOpener();
  return injected ? injected : DefinitionFileOpener(readWholeFile);
}

}  // namespace

std::optional<DefinitionText> openDefinitionFile(const char* fileName) {
  return openDefinitionFile(fileName, injectedOrDefaultOpener());
}

std::optional<DefinitionText> openDefinitionFile(const char* fileName,
                                                 const DefinitionFileOpener& open) {
  DefinitionFileFailure failure = DefinitionFileFailure::None;
  std::optional<DefinitionText> file = findAndRead(fileName, open, failure);
  if (failure == DefinitionFileFailure::NotFound)
    acutPrintf("\nThe file %s not been found", fileName ? fileName : "");
  else if (failure == DefinitionFileFailure::NotReadable)
    acutPrintf("\nDefinition file not open");
  return file;
}

std::optional<DefinitionText> openDefinitionFileQuietly(const char* fileName,
                                                        DefinitionFileFailure* failure) {
  DefinitionFileFailure why = DefinitionFileFailure::None;
  std::optional<DefinitionText> file = findAndRead(fileName, injectedOrDefaultOpener(), why);
  if (failure != nullptr)
    *failure = why;
  return file;
}

ScopedDefinitionFileOpener::ScopedDefinitionFileOpener(DefinitionFileOpener open)
    : previous_(std::exchange(currentOpener(), std::move(open))) {}

ScopedDefinitionFileOpener::~ScopedDefinitionFileOpener() {
  currentOpener() = std::move(previous_);
}

}  // namespace zek::inline foundation
