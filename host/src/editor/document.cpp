// The editor's documents and the manager that holds them.
#include "editor/document.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "db_symtab.h"

namespace zek {

static std::string titleOf(const std::string& fileName, int number) {
  if (fileName.empty())
    return "Drawing" + std::to_string(number) + ".dxf";
  return std::filesystem::path(fileName).filename().string();
}

static int newDrawingNumber = 0;

// The view a drawing was saved with: the centre and height of its "*Active"
// viewport, when the file has a usable one.
static void takeSavedView(AcDbDatabase& database, View& view) {
  AcDbViewportTable* table = nullptr;
  if (database.getViewportTable(table, AcDb::kForRead) != Acad::eOk)
    return;
  AcDbViewportTableRecord* active = nullptr;
  if (table->getAt("*Active", active, AcDb::kForRead) == Acad::eOk) {
    const AcGePoint2d centre = active->centerPoint();
    const double height = active->height();
    if (std::isfinite(centre.x) && std::isfinite(centre.y) && std::isfinite(height) &&
        height > 1e-9 && height < 1e12) {
      view.centre = AcGePoint3d(centre.x, centre.y, 0.0);
      view.height = height;
    }
    (void)active->close();
  }
  (void)table->close();
}

void Document::storeViewInDrawing() {
  if (!database_)
    return;
  AcDbViewportTable* table = nullptr;
  if (database_->getViewportTable(table, AcDb::kForRead) != Acad::eOk)
    return;
  AcDbViewportTableRecord* active = nullptr;
  if (table->getAt("*Active", active, AcDb::kForRead) == Acad::eOk) {
    const AcGePoint2d centre(view_.centre.x, view_.centre.y);
    const double aspect = static_cast<double>(view_.screenWidth) / view_.screenHeight;
    const bool same = active->centerPoint() == centre && active->height() == view_.height &&
                      active->aspectRatio() == aspect;
    // Only a changed view touches the record: saving an unchanged drawing
    // leaves it as it was read.
    if (!same && active->upgradeOpen() == Acad::eOk) {
      active->setCenterPoint(centre);
      active->setHeight(view_.height);
      active->setAspectRatio(aspect);
    }
    (void)active->close();
  }
  (void)table->close();
}

Document::Document(std::unique_ptr<AcDbDatabase> database, std::string fileName)
    : database_(std::move(database)), fileName_(std::move(fileName)) {
  title_ = titleOf(fileName_, fileName_.empty() ? ++newDrawingNumber : 0);
  // A drawing read from a file opens at the view it was saved with; a new
  // drawing at the template's.
  if (!fileName_.empty() && database_)
    takeSavedView(*database_, view_);
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
