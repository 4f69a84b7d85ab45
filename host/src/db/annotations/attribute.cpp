// AcDbAttributeDefinition (ATTDEF) and AcDbAttribute (ATTRIB): the text part
// they share with AcDbText, and their own section with tag, prompt, flags,
// field length, vertical mode and lock. An R2018 multi-line attribute's
// embedded MTEXT part ("101 Embedded Object" on) stays as kept groups, which
// the filer writes back after the attribute's own groups.
#include "db_text.h"

#include <cstring>

#include "db/annotations/annotation_filing.h"

ZEK_DEFINE_BUILTIN_MEMBERS(AcDbAttributeDefinition, AcDbText, "ATTDEF",
                           []() -> AcRxObject* { return new AcDbAttributeDefinition; })
ZEK_DEFINE_BUILTIN_MEMBERS(AcDbAttribute, AcDbText, "ATTRIB",
                           []() -> AcRxObject* { return new AcDbAttribute; })

namespace {

// The attribute section's fields, read and written alike for both classes.
struct AttributeSection {
  std::string* tag;
  std::string* prompt;  // null for ATTRIB
  Adesk::Int16* flags;
  Adesk::UInt16* fieldLength;
  bool* lockPosition;
  bool* hasLockGroup;
};

bool isValidTag(const char* tag) {
  return tag != nullptr && tag[0] != '\0' && std::strchr(tag, ' ') == nullptr;
}

// R2010 and later start the section with a version (280) before the tag;
// a 280 after the tag is the lock position.
Acad::ErrorStatus readAttributeSection(AcDbDxfFiler* filer, const char* marker,
                                       const AttributeSection& s, AcDbText& text) {
  if (!filer->atSubclassData(marker))
    return filer->filerStatus();
  resbuf rb;
  Acad::ErrorStatus es;
  bool sawTag = false, embedded = false;
  while ((es = filer->readItem(&rb)) == Acad::eOk) {
    if (embedded || rb.restype == 101) {
      embedded = true;
      filer->keepUnknownItem();
      continue;
    }
    switch (rb.restype) {
      case 2:
        *s.tag = zek::groupText(rb);
        sawTag = true;
        break;
      case 3:
        if (s.prompt)
          *s.prompt = zek::groupText(rb);
        else
          filer->keepUnknownItem();
        break;
      case 70: *s.flags = static_cast<Adesk::Int16>(zek::groupInteger(rb)); break;
      case 73: *s.fieldLength = static_cast<Adesk::UInt16>(zek::groupInteger(rb)); break;
      case 74: {
        long long mode = zek::groupInteger(rb);
        if (mode < AcDb::kTextBase || mode > AcDb::kTextTop ||
            text.setVerticalMode(static_cast<AcDb::TextVertMode>(mode)) != Acad::eOk)
          filer->keepUnknownItem();
        break;
      }
      case 280:
        if (sawTag) {
          *s.lockPosition = zek::groupInteger(rb) != 0;
          *s.hasLockGroup = true;
        }
        break;  // the version before the tag: we write our own
      default:
        filer->keepUnknownItem();
        break;
    }
  }
  return es == Acad::eEndOfFile ? filer->filerStatus() : es;
}

Acad::ErrorStatus writeAttributeSection(AcDbDxfFiler* filer, const char* marker,
                                        const AttributeSection& s, const AcDbText& text) {
  AcDb::AcDbDwgVersion version = filer->dwgVersion();
  filer->writeString(AcDb::kDxfSubclass, marker);
  if (version >= AcDb::kDHL_1024)
    filer->writeInt16(280, 0);
  if (s.prompt)
    filer->writeString(3, *s.prompt);
  filer->writeString(2, *s.tag);
  filer->writeInt16(70, *s.flags);
  if (*s.fieldLength != 0)
    filer->writeInt16(73, static_cast<Adesk::Int16>(*s.fieldLength));
  if (text.verticalMode() != AcDb::kTextBase)
    filer->writeInt16(74, static_cast<Adesk::Int16>(text.verticalMode()));
  if (version >= AcDb::kDHL_1021 && (*s.lockPosition || *s.hasLockGroup))
    filer->writeInt16(280, *s.lockPosition ? 1 : 0);
  return filer->filerStatus();
}

void fileAttributeSection(AcDbDwgFiler* filer, const AttributeSection& s) {
  filer->writeString(*s.tag);
  if (s.prompt)
    filer->writeString(*s.prompt);
  filer->writeInt16(*s.flags);
  filer->writeUInt16(*s.fieldLength);
  filer->writeBool(*s.lockPosition);
  filer->writeBool(*s.hasLockGroup);
}

void unfileAttributeSection(AcDbDwgFiler* filer, const AttributeSection& s) {
  filer->readString(*s.tag);
  if (s.prompt)
    filer->readString(*s.prompt);
  filer->readInt16(s.flags);
  filer->readUInt16(s.fieldLength);
  filer->readBool(s.lockPosition);
  filer->readBool(s.hasLockGroup);
}

Adesk::Int16 withFlag(Adesk::Int16 flags, int bit, bool on) {
  return static_cast<Adesk::Int16>(on ? flags | bit : flags & ~bit);
}

}  // namespace

// ---- AcDbAttributeDefinition ------------------------------------------------

AcDbAttributeDefinition::AcDbAttributeDefinition() = default;

AcDbAttributeDefinition::AcDbAttributeDefinition(const AcGePoint3d& position, const char* text,
                                                 const char* tag, const char* prompt,
                                                 AcDbObjectId style)
    : AcDbText(position, text, style), tag_(tag ? tag : ""), prompt_(prompt ? prompt : "") {}

AcDbAttributeDefinition::~AcDbAttributeDefinition() = default;

char* AcDbAttributeDefinition::tag() const { assertReadEnabled(); return acutNewString(tag_.c_str()); }
const char* AcDbAttributeDefinition::tagConst() const { assertReadEnabled(); return tag_.c_str(); }

Acad::ErrorStatus AcDbAttributeDefinition::setTag(const char* tag) {
  assertWriteEnabled();
  if (!isValidTag(tag))
    return Acad::eInvalidInput;
  tag_ = tag;
  return Acad::eOk;
}

char* AcDbAttributeDefinition::prompt() const {
  assertReadEnabled();
  return acutNewString(prompt_.c_str());
}
const char* AcDbAttributeDefinition::promptConst() const {
  assertReadEnabled();
  return prompt_.c_str();
}

Acad::ErrorStatus AcDbAttributeDefinition::setPrompt(const char* prompt) {
  assertWriteEnabled();
  prompt_ = prompt ? prompt : "";
  return Acad::eOk;
}

Acad::ErrorStatus AcDbAttributeDefinition::setInvisible(bool value) {
  assertWriteEnabled();
  flags_ = withFlag(flags_, 1, value);
  return Acad::eOk;
}
Acad::ErrorStatus AcDbAttributeDefinition::setConstant(bool value) {
  assertWriteEnabled();
  flags_ = withFlag(flags_, 2, value);
  return Acad::eOk;
}
Acad::ErrorStatus AcDbAttributeDefinition::setVerifiable(bool value) {
  assertWriteEnabled();
  flags_ = withFlag(flags_, 4, value);
  return Acad::eOk;
}
Acad::ErrorStatus AcDbAttributeDefinition::setPreset(bool value) {
  assertWriteEnabled();
  flags_ = withFlag(flags_, 8, value);
  return Acad::eOk;
}
Acad::ErrorStatus AcDbAttributeDefinition::setFieldLength(Adesk::UInt16 length) {
  assertWriteEnabled();
  fieldLength_ = length;
  return Acad::eOk;
}
Acad::ErrorStatus AcDbAttributeDefinition::setLockPositionInBlock(bool locked) {
  assertWriteEnabled();
  lockPosition_ = locked;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbAttributeDefinition::dxfInFields(AcDbDxfFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbEntity::dxfInFields(filer);
  if (es == Acad::eOk)
    es = readTextSection(filer, true);
  if (es != Acad::eOk)
    return es;
  AttributeSection s{&tag_, &prompt_, &flags_, &fieldLength_, &lockPosition_, &hasLockGroup_};
  return readAttributeSection(filer, "AcDbAttributeDefinition", s, *this);
}

Acad::ErrorStatus AcDbAttributeDefinition::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbEntity::dxfOutFields(filer);
  if (es == Acad::eOk)
    es = writeTextSection(filer);
  if (es != Acad::eOk)
    return es;
  auto* self = const_cast<AcDbAttributeDefinition*>(this);
  AttributeSection s{&self->tag_, &self->prompt_, &self->flags_, &self->fieldLength_,
                     &self->lockPosition_, &self->hasLockGroup_};
  return writeAttributeSection(filer, "AcDbAttributeDefinition", s, *this);
}

Acad::ErrorStatus AcDbAttributeDefinition::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbText::dwgOutFields(filer);
  if (es != Acad::eOk)
    return es;
  auto* self = const_cast<AcDbAttributeDefinition*>(this);
  fileAttributeSection(filer, {&self->tag_, &self->prompt_, &self->flags_, &self->fieldLength_,
                               &self->lockPosition_, &self->hasLockGroup_});
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbAttributeDefinition::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbText::dwgInFields(filer);
  if (es != Acad::eOk)
    return es;
  unfileAttributeSection(filer, {&tag_, &prompt_, &flags_, &fieldLength_, &lockPosition_,
                                 &hasLockGroup_});
  return filer->filerStatus();
}

// ---- AcDbAttribute -----------------------------------------------------------

AcDbAttribute::AcDbAttribute() = default;

AcDbAttribute::AcDbAttribute(const AcGePoint3d& position, const char* text, const char* tag,
                             AcDbObjectId style)
    : AcDbText(position, text, style), tag_(tag ? tag : "") {}

AcDbAttribute::~AcDbAttribute() = default;

char* AcDbAttribute::tag() const { assertReadEnabled(); return acutNewString(tag_.c_str()); }
const char* AcDbAttribute::tagConst() const { assertReadEnabled(); return tag_.c_str(); }

Acad::ErrorStatus AcDbAttribute::setTag(const char* tag) {
  assertWriteEnabled();
  if (!isValidTag(tag))
    return Acad::eInvalidInput;
  tag_ = tag;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbAttribute::setInvisible(bool value) {
  assertWriteEnabled();
  flags_ = withFlag(flags_, 1, value);
  return Acad::eOk;
}
Acad::ErrorStatus AcDbAttribute::setFieldLength(Adesk::UInt16 length) {
  assertWriteEnabled();
  fieldLength_ = length;
  return Acad::eOk;
}
Acad::ErrorStatus AcDbAttribute::setLockPositionInBlock(bool locked) {
  assertWriteEnabled();
  lockPosition_ = locked;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbAttribute::setAttributeFromBlock(const AcDbAttributeDefinition* definition,
                                                       const AcGeMatrix3d& blockTransform) {
  assertWriteEnabled();
  if (definition == nullptr)
    return Acad::eNullEntityPointer;
  Acad::ErrorStatus es = setPropertiesFrom(definition);
  if (es != Acad::eOk)
    return es;
  copyTextFieldsFrom(*definition);
  tag_ = definition->tagConst();
  flags_ = static_cast<Adesk::Int16>((definition->isInvisible() ? 1 : 0) |
                                     (definition->isConstant() ? 2 : 0) |
                                     (definition->isVerifiable() ? 4 : 0) |
                                     (definition->isPreset() ? 8 : 0));
  fieldLength_ = definition->fieldLength();
  lockPosition_ = definition->lockPositionInBlock();
  return transformBy(blockTransform);
}

Acad::ErrorStatus AcDbAttribute::dxfInFields(AcDbDxfFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbEntity::dxfInFields(filer);
  if (es == Acad::eOk)
    es = readTextSection(filer, true);
  if (es != Acad::eOk)
    return es;
  AttributeSection s{&tag_, nullptr, &flags_, &fieldLength_, &lockPosition_, &hasLockGroup_};
  return readAttributeSection(filer, "AcDbAttribute", s, *this);
}

Acad::ErrorStatus AcDbAttribute::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbEntity::dxfOutFields(filer);
  if (es == Acad::eOk)
    es = writeTextSection(filer);
  if (es != Acad::eOk)
    return es;
  auto* self = const_cast<AcDbAttribute*>(this);
  AttributeSection s{&self->tag_, nullptr, &self->flags_, &self->fieldLength_,
                     &self->lockPosition_, &self->hasLockGroup_};
  return writeAttributeSection(filer, "AcDbAttribute", s, *this);
}

Acad::ErrorStatus AcDbAttribute::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbText::dwgOutFields(filer);
  if (es != Acad::eOk)
    return es;
  auto* self = const_cast<AcDbAttribute*>(this);
  fileAttributeSection(filer, {&self->tag_, nullptr, &self->flags_, &self->fieldLength_,
                               &self->lockPosition_, &self->hasLockGroup_});
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbAttribute::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbText::dwgInFields(filer);
  if (es != Acad::eOk)
    return es;
  unfileAttributeSection(filer, {&tag_, nullptr, &flags_, &fieldLength_, &lockPosition_,
                                 &hasLockGroup_});
  return filer->filerStatus();
}
