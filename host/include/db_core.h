// Core database types of the plug-in interface: open modes, drawing format
// versions, handles and object ids.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "ac_array.h"
#include "acad_status.h"
#include "adesk.h"

class AcDbDatabase;
class AcDbObject;
class AcRxClass;

namespace AcDb {
enum OpenMode { kNotOpen = -1, kForRead = 0, kForWrite = 1, kForNotify = 2 };

// Drawing format versions (saved-as generations).
enum AcDbDwgVersion {
  kDHL_MC0_0 = 0,
  kDHL_1009 = 16,  // R12
  kDHL_1012 = 18,  // R13
  kDHL_1014 = 21,  // R14
  kDHL_1015 = 23,  // R2000
  kDHL_1018 = 25,  // R2004
  kDHL_1021 = 27,  // R2007
  kDHL_1024 = 29,  // R2010
  kDHL_1027 = 31,  // R2013
  kDHL_1032 = 33,  // R2018
  kDHL_CURRENT = kDHL_1032,
};
enum MaintenanceReleaseVersion { kMReleaseCurrent = 0 };

enum FilerType {
  kFileFiler = 0,
  kCopyFiler = 1,
  kUndoFiler = 2,
  kBagFiler = 3,
  kIdXlateFiler = 4,
  kPageFiler = 5,
  kDeepCloneFiler = 6,
  kIdFiler = 7,
  kPurgeFiler = 8,
  kWblockCloneFiler = 9,
};

enum LineWeight {
  kLnWt000 = 0, kLnWt005 = 5, kLnWt009 = 9, kLnWt013 = 13, kLnWt015 = 15, kLnWt018 = 18,
  kLnWt020 = 20, kLnWt025 = 25, kLnWt030 = 30, kLnWt035 = 35, kLnWt040 = 40, kLnWt050 = 50,
  kLnWt053 = 53, kLnWt060 = 60, kLnWt070 = 70, kLnWt080 = 80, kLnWt090 = 90, kLnWt100 = 100,
  kLnWt106 = 106, kLnWt120 = 120, kLnWt140 = 140, kLnWt158 = 158, kLnWt200 = 200,
  kLnWt211 = 211, kLnWtByLayer = -1, kLnWtByBlock = -2, kLnWtByLwDefault = -3,
};

enum Visibility { kVisible = 0, kInvisible = 1 };

// Text alignment of AcDbText (group codes 72 and 73).
enum TextHorzMode { kTextLeft = 0, kTextCenter = 1, kTextRight = 2, kTextAlign = 3,
                    kTextMid = 4, kTextFit = 5 };
enum TextVertMode { kTextBase = 0, kTextBottom = 1, kTextVertMid = 2, kTextTop = 3 };

// A few DXF group codes by their interface names.
enum DxfCode {
  kDxfInvalid = -9999,
  kDxfStart = 0,
  kDxfText = 1,
  kDxfXRefPath = 1,
  kDxfAttributeTag = 2,
  kDxfSymbolTableName = 2,
  kDxfAttributePrompt = 3,
  kDxfLinetypeName = 6,
  kDxfTextStyleName = 7,
  kDxfLayerName = 8,
  kDxfXCoord = 10,
  kDxfYCoord = 20,
  kDxfZCoord = 30,
  kDxfElevation = 38,
  kDxfThickness = 39,
  kDxfReal = 40,
  kDxfTxtSize = 40,
  kDxfAngle = 50,
  kDxfColor = 62,
  kDxfInt16 = 70,
  kDxfInt32 = 90,
  kDxfSubclass = 100,
  kDxfControlString = 102,
  kDxfNormalX = 210,
  kDxfInt8 = 280,
  kDxfBool = 290,
  kDxfSoftPointerId = 330,
  kDxfHardPointerId = 340,
  kDxfSoftOwnershipId = 350,
  kDxfHardOwnershipId = 360,
  kDxfLineWeight = 370,
  kDxfPlotStyleNameId = 390,
  kDxfColorRGB = 420,
  kDxfComment = 999,
  kDxfXdAsciiString = 1000,
  kDxfRegAppName = 1001,
  kDxfXdControlString = 1002,
  kDxfXdLayerName = 1003,
  kDxfXdBinaryChunk = 1004,
  kDxfXdHandle = 1005,
  kDxfXdXCoord = 1010,
  kDxfXdReal = 1040,
  kDxfXdInteger16 = 1070,
  kDxfXdInteger32 = 1071,
};
}  // namespace AcDb

// An object's handle: the permanent 64-bit name it keeps in files.
class AcDbHandle {
public:
  AcDbHandle() = default;
  AcDbHandle(std::uint64_t value) : value_(value) {}
  // Parses upper- or lower-case hex; an empty or bad text gives the null handle.
  explicit AcDbHandle(const char* hex);

  bool isNull() const { return value_ == 0; }
  std::uint64_t value() const { return value_; }
  // Upper-case hex without leading zeros, as DXF files hold handles ("1F").
  void getIntoAsciiBuffer(char* buffer, std::size_t size) const;
  std::string ascii() const;
  AcDbHandle& operator++() { ++value_; return *this; }
  bool operator==(const AcDbHandle&) const = default;
  auto operator<=>(const AcDbHandle&) const = default;

private:
  std::uint64_t value_ = 0;
};

namespace zek {
// The database's record of one object id: where the object lives (null until
// it is read or after it was deleted), its handle and erased state. Stubs
// never move and live as long as their database. The erased flag shares the
// handle's word, so a stub takes 24 bytes: handles stay below 2^63 (the
// database holds no object id for a handle above).
struct ObjectStub {
  static constexpr std::uint64_t kHandleLimit = std::uint64_t(1) << 63;
  AcDbObject* object = nullptr;
  AcDbDatabase* database = nullptr;
  std::uint64_t handle : 63 = 0;
  bool erased : 1 = false;
};
}  // namespace zek

class AcDbObjectId {
public:
  AcDbObjectId() = default;
  explicit AcDbObjectId(zek::ObjectStub* stub) : stub_(stub) {}
  static const AcDbObjectId kNull;

  bool isNull() const { return stub_ == nullptr; }
  // True when the id names an object that exists (read or created).
  bool isValid() const { return stub_ != nullptr && stub_->object != nullptr; }
  bool isErased() const { return stub_ != nullptr && stub_->erased; }
  AcDbHandle handle() const { return stub_ ? AcDbHandle(stub_->handle) : AcDbHandle(); }
  AcDbDatabase* database() const { return stub_ ? stub_->database : nullptr; }
  AcRxClass* objectClass() const;
  zek::ObjectStub* stub() const { return stub_; }
  void setNull() { stub_ = nullptr; }

  bool operator==(const AcDbObjectId& other) const { return stub_ == other.stub_; }
  bool operator<(const AcDbObjectId& other) const;

private:
  zek::ObjectStub* stub_ = nullptr;
};

using AcDbObjectIdArray = AcArray<AcDbObjectId>;
using AcDbIntArray = AcArray<int>;

template <>
struct std::hash<AcDbObjectId> {
  std::size_t operator()(const AcDbObjectId& id) const noexcept {
    return std::hash<const void*>()(id.stub());
  }
};
