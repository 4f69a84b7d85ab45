// ZekTestBox: a custom entity registered at run time, as a module's "box
// text" entity will be. It files a version, a 2D centre, a length and a
// height through the binary and the DXF filers, so tests can check what the
// host does with classes it did not build in (CLASSES records, proxies).
#pragma once

#include "db_entity.h"

class ZekTestBox : public AcDbEntity {
public:
  ACRX_DECLARE_MEMBERS(ZekTestBox);
  // The version the class files; a drawing with another one is not this
  // class's to read (eMakeMeProxy).
  static constexpr Adesk::Int16 kVersion = 1;

  ZekTestBox() = default;
  ZekTestBox(const AcGePoint2d& centre, double length, double height)
      : centre_(centre), length_(length), height_(height) {}

  AcGePoint2d centre() const { assertReadEnabled(); return centre_; }
  double length() const { assertReadEnabled(); return length_; }
  double height() const { assertReadEnabled(); return height_; }
  [[nodiscard]] Acad::ErrorStatus setCentre(const AcGePoint2d& centre);
  [[nodiscard]] Acad::ErrorStatus setSize(double length, double height);

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

private:
  AcGePoint2d centre_;
  double length_ = 0.0;
  double height_ = 0.0;
};
