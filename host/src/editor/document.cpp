// The editor's documents and the manager that holds them.
#include "editor/document.h"

#include <algorithm>
#include <filesystem>

namespace zek {

static std::string titleOf(const std::string& fileName, int number) {
  if (fileName.empty())
    return "Drawing" + std::to_string(number) + ".dxf";
  return std::filesystem::path(fileName).filename().string();
}

static int newDrawingNumber = 0;

Document::Document(std::unique_ptr<AcDbDatabase> database, std::string fileName)
    : database_(std::move(database)), fileName_(std::move(fileName)) {
  title_ = titleOf(fileName_, fileName_.empty() ? ++newDrawingNumber : 0);
}

Document::~Document() = default;

void Document::setFileName(std::string fileName) {
  fileName_ = std::move(fileName);
  title_ = titleOf(fileName_, 0);
}

void Document::setUcs(const AcGeMatrix3d& ucsToWorld) {
  ucsToWorld_ = ucsToWorld;
  worldToUcs_ = ucsToWorld.inverse();
}

DocumentManager& DocumentManager::instance() {
  static DocumentManager manager;
  return manager;
}

Document* DocumentManager::documentAt(int index) const {
  if (index < 0 || index >= documentCount())
    return nullptr;
  return documents_[static_cast<std::size_t>(index)].get();
}

Document* DocumentManager::open(std::unique_ptr<AcDbDatabase> database, std::string fileName) {
  documents_.push_back(std::make_unique<Document>(std::move(database), std::move(fileName)));
  Document* document = documents_.back().get();
  activate(document);
  for (OpenListener listener : listeners_)
    listener(*document);
  return document;
}

void DocumentManager::activate(Document* document) {
  current_ = document;
  setWorkingDatabase(document ? document->database() : nullptr);
}

void DocumentManager::close(Document* document) {
  auto it = std::find_if(documents_.begin(), documents_.end(),
                         [document](const auto& held) { return held.get() == document; });
  if (it == documents_.end())
    return;
  const bool wasCurrent = current_ == document;
  if (wasCurrent)
    activate(nullptr);
  documents_.erase(it);
  if (wasCurrent && !documents_.empty())
    activate(documents_.back().get());
}

void DocumentManager::closeAll() {
  activate(nullptr);
  while (!documents_.empty())
    documents_.pop_back();
}

Document* currentDocument() { return DocumentManager::instance().curDocument(); }

}  // namespace zek

AcApDocManager* acDocManagerPtr() { return &zek::DocumentManager::instance(); }
AcApDocument* curDoc() { return zek::currentDocument(); }
