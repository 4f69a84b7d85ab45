// AcDbObject: what every object of a drawing has — id, handle, owner, the
// open/close protocol, extended data, and filing through DWG and DXF filers.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ads.h"
#include "db_core.h"
#include "db_filer.h"
#include "rx_object.h"

namespace zek {
// A DXF group kept as it was read: the group code and its value as text
// (UTF-8 for strings, numbers and handles exactly as the file wrote them).
struct KeptGroup {
  int code = 0;
  std::string text;
  bool operator==(const KeptGroup&) const = default;
};

// Groups of one subclass section that no class understood, written back at
// the end of the same section. `marker` is the subclass marker the section
// starts with ("" for groups before any marker; "*" for drawings without
// markers, written at the end of the object), `occurrence` counts sections of
// the same marker name (TEXT has two "AcDbText" sections).
struct KeptSection {
  std::string marker;
  int occurrence = 0;
  std::vector<KeptGroup> groups;
};

// What only some objects carry, kept out of line so a plain entity stays small.
struct ObjectExtras {
  std::vector<KeptGroup> xdata;          // from the first 1001 group on
  std::vector<AcDbObjectId> reactors;    // the {ACAD_REACTORS 330s}
  AcDbObjectId extensionDictionary;      // the {ACAD_XDICTIONARY 360}
  std::vector<KeptGroup> otherAppGroups; // other 102 {APP ... } groups, braces included
  std::vector<KeptSection> kept;         // groups no class understood

  bool isEmpty() const {
    return xdata.empty() && reactors.empty() && extensionDictionary.isNull() &&
           otherAppGroups.empty() && kept.empty();
  }
};
}  // namespace zek

class AcDbObject : public AcRxObject {
public:
  ACRX_DECLARE_MEMBERS(AcDbObject);
  AcDbObject();
  ~AcDbObject() override;
  AcDbObject(const AcDbObject&) = delete;
  AcDbObject& operator=(const AcDbObject&) = delete;
  // Objects come from the host's object pool (cells of equal size, no
  // per-object allocator overhead); delete gives the cell back.
  static void* operator new(std::size_t size);
  static void operator delete(void* p, std::size_t size);

  AcDbObjectId objectId() const { return AcDbObjectId(stub_); }
  AcDbObjectId ownerId() const { return owner_; }
  virtual Acad::ErrorStatus setOwnerId(AcDbObjectId owner);
  AcDbDatabase* database() const;
  void getAcDbHandle(AcDbHandle& handle) const { handle = objectId().handle(); }
  AcDbHandle handle() const { return objectId().handle(); }

  bool isErased() const;
  bool isReadEnabled() const;
  bool isWriteEnabled() const;
  bool isNotifyEnabled() const { return false; }
  // True until the object is added to a database.
  bool isNewObject() const { return stub_ == nullptr; }
  void assertReadEnabled() const;
  void assertWriteEnabled() const;

  // Open/close protocol: close() ends this opening and commits. An object not
  // in a database is not open: close() does nothing to it and answers eOk (its
  // owner, a std::unique_ptr or a polyline holding vertices, deletes it).
  Acad::ErrorStatus close();
  // A reader becomes the writer when it is the only reader.
  Acad::ErrorStatus upgradeOpen();
  Acad::ErrorStatus downgradeOpen();
  Acad::ErrorStatus erase(bool erasing = true);

  virtual Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer);
  virtual Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const;
  virtual Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer);
  virtual Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const;

  // Extended data of one registered application (or all of it with null), as
  // a list the caller releases with acutRelRb; null when there is none.
  virtual resbuf* xData(const char* regappName = nullptr) const;
  // Replaces the extended data of the applications the list names.
  virtual Acad::ErrorStatus setXData(const resbuf* xdata);
  AcDbObjectId extensionDictionary() const;

  // A new object of the same class with the same filed data, not in a database.
  virtual AcRxObject* clone() const;

  // The DXF type name this object is filed under ("CIRCLE").
  virtual const char* dxfTypeName() const;

  // Host side. The objects this one owns (the vertices and SEQEND of a heavy
  // polyline, the attributes of a block reference): deep cloning copies them
  // with their owner, erasing erases them along.
  virtual void ownedObjectIds(std::vector<AcDbObjectId>& owned) const;
  zek::ObjectExtras* extras() const { return extras_.get(); }
  zek::ObjectExtras& extrasForWrite();
  void dropEmptyExtras();

  // Open state bookkeeping, used by the database's open functions.
  zek::ObjectStub* stub() const { return stub_; }
  void attachStub(zek::ObjectStub* stub) { stub_ = stub; }
  int readerCount() const { return readers_; }
  bool isOpenForWrite() const { return writer_; }
  bool isOpen() const { return readers_ > 0 || writer_; }
  // The host marks an object open around its own reads and writes of it; a
  // mark made while a writer holds the object is undone by the next
  // markClosed without touching that writer.
  void markOpened(AcDb::OpenMode mode);
  void markClosed();

protected:
  // Files the extended data and kept groups of the object (binary filers).
  Acad::ErrorStatus dwgOutExtras(AcDbDwgFiler* filer) const;
  Acad::ErrorStatus dwgInExtras(AcDbDwgFiler* filer);

private:
  zek::ObjectStub* stub_ = nullptr;
  AcDbObjectId owner_;
  std::unique_ptr<zek::ObjectExtras> extras_;
  std::uint16_t readers_ = 0;
  std::uint8_t marksOverWriter_ = 0;  // host marks made while writer_ was set
  bool writer_ = false;
};

// Opens an object of a database. One writer or many readers; a write open of
// an entity on a locked layer answers eOnLockedLayer; an erased object opens
// only with openErased. The caller closes what it opened.
Acad::ErrorStatus acdbOpenAcDbObject(AcDbObject*& object, AcDbObjectId id, AcDb::OpenMode mode,
                                     bool openErased = false);
template <typename T>
Acad::ErrorStatus acdbOpenObject(T*& object, AcDbObjectId id, AcDb::OpenMode mode,
                                 bool openErased = false) {
  AcDbObject* opened = nullptr;
  Acad::ErrorStatus es = acdbOpenAcDbObject(opened, id, mode, openErased);
  if (es != Acad::eOk) {
    object = nullptr;
    return es;
  }
  object = T::cast(opened);
  if (object == nullptr) {
    opened->close();
    return Acad::eNotThatKindOfClass;
  }
  return Acad::eOk;
}

// Entity names as selection sets hand them out, to and from object ids.
Acad::ErrorStatus acdbGetObjectId(AcDbObjectId& id, const ads_name name);
Acad::ErrorStatus acdbGetAdsName(ads_name& name, AcDbObjectId id);
