// The in-memory binary filer: fixed-size values in host byte order, strings
// and byte runs with a 32-bit length, ids as stub pointers.
#include "db/memory_filer.h"

#include <cstring>

#include "db_database.h"
#include "rx_object.h"

ZEK_DEFINE_BUILTIN_MEMBERS(AcDbDwgFiler, AcRxObject, "", nullptr)

Acad::ErrorStatus AcDbDwgFiler::dwgVersion(AcDb::AcDbDwgVersion& version,
                                           AcDb::MaintenanceReleaseVersion& maintenance) const {
  version = AcDb::kDHL_CURRENT;
  maintenance = AcDb::kMReleaseCurrent;
  return Acad::eOk;
}

namespace zek {

Acad::ErrorStatus MemoryDwgFiler::put(const void* data, std::size_t size) {
  if (status_ != Acad::eOk)
    return status_;
  const auto* p = static_cast<const std::uint8_t*>(data);
  bytes_.insert(bytes_.end(), p, p + size);
  return Acad::eOk;
}

Acad::ErrorStatus MemoryDwgFiler::take(void* data, std::size_t size) {
  if (status_ != Acad::eOk)
    return status_;
  if (size > bytes_.size() - position_) {
    // Reading past what was written: the object and the snapshot disagree.
    status_ = Acad::eEndOfFile;
    std::memset(data, 0, size);
    return status_;
  }
  std::memcpy(data, bytes_.data() + position_, size);
  position_ += size;
  return Acad::eOk;
}

Acad::ErrorStatus MemoryDwgFiler::readBool(bool* value) {
  std::uint8_t b = 0;
  Acad::ErrorStatus es = take(&b, 1);
  *value = b != 0;
  return es;
}
Acad::ErrorStatus MemoryDwgFiler::readInt8(Adesk::Int8* value) { return take(value, sizeof *value); }
Acad::ErrorStatus MemoryDwgFiler::readInt16(Adesk::Int16* value) { return take(value, sizeof *value); }
Acad::ErrorStatus MemoryDwgFiler::readInt32(Adesk::Int32* value) { return take(value, sizeof *value); }
Acad::ErrorStatus MemoryDwgFiler::readInt64(Adesk::Int64* value) { return take(value, sizeof *value); }
Acad::ErrorStatus MemoryDwgFiler::readUInt8(Adesk::UInt8* value) { return take(value, sizeof *value); }
Acad::ErrorStatus MemoryDwgFiler::readUInt16(Adesk::UInt16* value) { return take(value, sizeof *value); }
Acad::ErrorStatus MemoryDwgFiler::readUInt32(Adesk::UInt32* value) { return take(value, sizeof *value); }
Acad::ErrorStatus MemoryDwgFiler::readDouble(double* value) { return take(value, sizeof *value); }

Acad::ErrorStatus MemoryDwgFiler::readPoint2d(AcGePoint2d* value) {
  take(&value->x, sizeof(double));
  return take(&value->y, sizeof(double));
}
Acad::ErrorStatus MemoryDwgFiler::readPoint3d(AcGePoint3d* value) {
  take(&value->x, sizeof(double));
  take(&value->y, sizeof(double));
  return take(&value->z, sizeof(double));
}
Acad::ErrorStatus MemoryDwgFiler::readVector2d(AcGeVector2d* value) {
  take(&value->x, sizeof(double));
  return take(&value->y, sizeof(double));
}
Acad::ErrorStatus MemoryDwgFiler::readVector3d(AcGeVector3d* value) {
  take(&value->x, sizeof(double));
  take(&value->y, sizeof(double));
  return take(&value->z, sizeof(double));
}

Acad::ErrorStatus MemoryDwgFiler::readString(std::string& value) {
  std::uint32_t n = 0;
  if (take(&n, sizeof n) != Acad::eOk)
    return status_;
  if (n > bytes_.size() - position_) {
    status_ = Acad::eEndOfFile;
    return status_;
  }
  value.assign(reinterpret_cast<const char*>(bytes_.data() + position_), n);
  position_ += n;
  return Acad::eOk;
}

Acad::ErrorStatus MemoryDwgFiler::readString(char** value) {
  std::string text;
  Acad::ErrorStatus es = readString(text);
  *value = es == Acad::eOk ? acutNewString(text.c_str()) : nullptr;
  return es;
}

Acad::ErrorStatus MemoryDwgFiler::readBytes(void* buffer, Adesk::UIntPtr length) {
  return take(buffer, length);
}

Acad::ErrorStatus MemoryDwgFiler::readAcDbHandle(AcDbHandle* value) {
  std::uint64_t v = 0;
  Acad::ErrorStatus es = take(&v, sizeof v);
  *value = AcDbHandle(v);
  return es;
}

Acad::ErrorStatus MemoryDwgFiler::readId(AcDbObjectId* id) {
  ObjectStub* stub = nullptr;
  Acad::ErrorStatus es = take(&stub, sizeof stub);
  *id = AcDbObjectId(es == Acad::eOk ? stub : nullptr);
  if (translation_ != nullptr && stub != nullptr) {
    AcDbIdPair pair(*id, AcDbObjectId(), false);
    if (translation_->compute(pair) && pair.isCloned())
      *id = pair.value();
  }
  return es;
}

Acad::ErrorStatus MemoryDwgFiler::writeBool(bool value) {
  std::uint8_t b = value ? 1 : 0;
  return put(&b, 1);
}
Acad::ErrorStatus MemoryDwgFiler::writeInt8(Adesk::Int8 value) { return put(&value, sizeof value); }
Acad::ErrorStatus MemoryDwgFiler::writeInt16(Adesk::Int16 value) { return put(&value, sizeof value); }
Acad::ErrorStatus MemoryDwgFiler::writeInt32(Adesk::Int32 value) { return put(&value, sizeof value); }
Acad::ErrorStatus MemoryDwgFiler::writeInt64(Adesk::Int64 value) { return put(&value, sizeof value); }
Acad::ErrorStatus MemoryDwgFiler::writeUInt8(Adesk::UInt8 value) { return put(&value, sizeof value); }
Acad::ErrorStatus MemoryDwgFiler::writeUInt16(Adesk::UInt16 value) { return put(&value, sizeof value); }
Acad::ErrorStatus MemoryDwgFiler::writeUInt32(Adesk::UInt32 value) { return put(&value, sizeof value); }
Acad::ErrorStatus MemoryDwgFiler::writeDouble(double value) { return put(&value, sizeof value); }

Acad::ErrorStatus MemoryDwgFiler::writePoint2d(const AcGePoint2d& value) {
  put(&value.x, sizeof(double));
  return put(&value.y, sizeof(double));
}
Acad::ErrorStatus MemoryDwgFiler::writePoint3d(const AcGePoint3d& value) {
  put(&value.x, sizeof(double));
  put(&value.y, sizeof(double));
  return put(&value.z, sizeof(double));
}
Acad::ErrorStatus MemoryDwgFiler::writeVector2d(const AcGeVector2d& value) {
  put(&value.x, sizeof(double));
  return put(&value.y, sizeof(double));
}
Acad::ErrorStatus MemoryDwgFiler::writeVector3d(const AcGeVector3d& value) {
  put(&value.x, sizeof(double));
  put(&value.y, sizeof(double));
  return put(&value.z, sizeof(double));
}

Acad::ErrorStatus MemoryDwgFiler::writeString(const std::string& value) {
  auto n = static_cast<std::uint32_t>(value.size());
  put(&n, sizeof n);
  return put(value.data(), value.size());
}

Acad::ErrorStatus MemoryDwgFiler::writeString(const char* value) {
  return writeString(std::string(value ? value : ""));
}

Acad::ErrorStatus MemoryDwgFiler::writeBytes(const void* buffer, Adesk::UIntPtr length) {
  return put(buffer, length);
}

Acad::ErrorStatus MemoryDwgFiler::writeAcDbHandle(const AcDbHandle& value) {
  std::uint64_t v = value.value();
  return put(&v, sizeof v);
}

Acad::ErrorStatus MemoryDwgFiler::writeId(const AcDbObjectId& id) {
  ObjectStub* stub = id.stub();
  return put(&stub, sizeof stub);
}

}  // namespace zek
