// The editor's document: a drawing with its view, user coordinate system,
// last point and input, plus one state slot per editor service (selection,
// system variables, AutoLISP functions ...), made on first use and destroyed
// with the document.
#pragma once

#include <memory>
#include <string>
#include <typeindex>
#include <unordered_map>
#include <vector>

#include "aced_document.h"
#include "db_database.h"
#include "ge_geometry.h"

namespace zek {

// What the drafter looks at: a plan view of the world XY plane.
struct View {
  AcGePoint3d centre{0.0, 0.0, 0.0};  // world coordinates
  double height = 297.0;              // drawing units shown from bottom to top (VIEWSIZE)
  int screenWidth = 1600;             // pixels (SCREENSIZE)
  int screenHeight = 1000;

  // Drawing units per pixel.
  double unitsPerPixel() const { return height / screenHeight; }
  double width() const { return height * screenWidth / screenHeight; }
};

class Document : public AcApDocument {
public:
  Document(std::unique_ptr<AcDbDatabase> database, std::string fileName);
  ~Document() override;
  Document(const Document&) = delete;
  Document& operator=(const Document&) = delete;

  AcDbDatabase* database() const override { return database_.get(); }
  const char* fileName() const override { return fileName_.c_str(); }
  const char* docTitle() const override { return title_.c_str(); }
  void setFileName(std::string fileName);

  View& view() { return view_; }
  const View& view() const { return view_; }
  // Writes the view into the drawing's "*Active" viewport, so that the file
  // opens again where the drafter left it (called before every save).
  void storeViewInDrawing();
  // The current user coordinate system: user → world and back.
  const AcGeMatrix3d& ucsToWorld() const { return ucsToWorld_; }
  const AcGeMatrix3d& worldToUcs() const { return worldToUcs_; }
  void setUcs(const AcGeMatrix3d& ucsToWorld);
  // The last point given at a prompt (world), the base of "@dx,dy".
  const AcGePoint3d& lastPoint() const { return lastPoint_; }
  void setLastPoint(const AcGePoint3d& point) { lastPoint_ = point; }

  // The state an editor service keeps for this document (default-constructed
  // on first use).
  template <class State>
  State& state() {
    auto& slot = slots_[std::type_index(typeid(State))];
    if (!slot)
      slot = std::make_unique<Slot<State>>();
    return static_cast<Slot<State>*>(slot.get())->value;
  }

private:
  struct SlotBase {
    virtual ~SlotBase() = default;
  };
  template <class State>
  struct Slot : SlotBase {
    State value;
  };

  std::unique_ptr<AcDbDatabase> database_;
  std::string fileName_;
  std::string title_;
  View view_;
  AcGeMatrix3d ucsToWorld_;
  AcGeMatrix3d worldToUcs_;
  AcGePoint3d lastPoint_;
  std::unordered_map<std::type_index, std::unique_ptr<SlotBase>> slots_;
};

// The documents the host holds, in opening order; one is current.
class DocumentManager : public AcApDocManager {
public:
  static DocumentManager& instance();

  Document* curDocument() const override { return current_; }
  Document* mdiActiveDocument() const override { return current_; }
  int documentCount() const override { return static_cast<int>(documents_.size()); }
  Document* documentAt(int index) const override;

  // Takes the drawing into a new document and makes it current.
  Document* open(std::unique_ptr<AcDbDatabase> database, std::string fileName);
  // Makes an open document current (and its database the working one).
  void activate(Document* document);
  // Closes a document; the last opened of the others becomes current.
  void close(Document* document);
  // Closes every document (end of a run, between tests).
  void closeAll();

  // Called for every newly opened document, in registration order (the
  // plug-in loader sends its load-drawing message from here).
  using OpenListener = void (*)(Document&);
  void addOpenListener(OpenListener listener) { listeners_.push_back(listener); }

private:
  std::vector<std::unique_ptr<Document>> documents_;
  std::vector<OpenListener> listeners_;
  Document* current_ = nullptr;
};

// The current document, or null.
Document* currentDocument();

}  // namespace zek
