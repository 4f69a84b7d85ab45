// AcDbLeader (LEADER): a polyline of vertices with an arrow head, pointing
// from a feature to its annotation (usually an MTEXT).
#pragma once

#include <vector>

#include "db_entity.h"

class AcDbLeader : public AcDbEntity {
public:
  ACRX_DECLARE_MEMBERS(AcDbLeader);
  AcDbLeader();
  ~AcDbLeader() override;

  // What the leader points to (group 73).
  enum AnnoType { kMText = 0, kFcf = 1, kBlockRef = 2, kNoAnno = 3 };

  int numVertices() const { assertReadEnabled(); return static_cast<int>(vertices_.size()); }
  // The vertex (world coordinates); the origin for an index out of range.
  AcGePoint3d vertexAt(int index) const;
  // The classic answers: true when done, false for an index out of range.
  bool appendVertex(const AcGePoint3d& point);
  bool setVertexAt(int index, const AcGePoint3d& point);
  // Keeps at least two vertices, as a leader needs them.
  bool removeLastVertex();
  AcGePoint3d firstVertex() const { return vertexAt(0); }
  AcGePoint3d lastVertex() const { return vertexAt(numVertices() - 1); }

  AcDbObjectId dimensionStyle() const;
  Acad::ErrorStatus setDimensionStyle(AcDbObjectId style);
  bool hasArrowHead() const { assertReadEnabled(); return arrowHead_; }
  Acad::ErrorStatus enableArrowHead();
  Acad::ErrorStatus disableArrowHead();
  bool isSplined() const { assertReadEnabled(); return splined_; }
  Acad::ErrorStatus setToSplineLeader();
  Acad::ErrorStatus setToStraightLeader();
  AnnoType annoType() const { assertReadEnabled(); return annoType_; }
  Acad::ErrorStatus setAnnoType(AnnoType type);
  // The annotation entity (group 340); setting one of kind MText makes the
  // annotation type kMText.
  AcDbObjectId annotationObjId() const { assertReadEnabled(); return annotation_; }
  Acad::ErrorStatus attachAnnotation(AcDbObjectId annotation);
  Acad::ErrorStatus detachAnnotation();
  // Hookline (74: along the horizontal direction or against it; 75: has one).
  bool hasHookLine() const { assertReadEnabled(); return hookLine_; }
  bool isHookLineOnXDir() const { assertReadEnabled(); return hookLineOnXDir_; }
  Acad::ErrorStatus setHookLine(bool hasHookLine, bool onXDirection);
  // The annotation's text height and width as last laid out (40, 41).
  double annoHeight() const { assertReadEnabled(); return annoHeight_; }
  double annoWidth() const { assertReadEnabled(); return annoWidth_; }
  Acad::ErrorStatus setAnnoSize(double height, double width);
  AcGeVector3d normal() const { assertReadEnabled(); return normal_; }
  Acad::ErrorStatus setNormal(const AcGeVector3d& normal);
  // Group 211: the text's horizontal direction.
  AcGeVector3d horizontalDirection() const { assertReadEnabled(); return horizontal_; }
  Acad::ErrorStatus setHorizontalDirection(const AcGeVector3d& direction);
  // Group 212: offset of a block annotation; 213: of the annotation from the last vertex.
  AcGeVector3d blockOffset() const { assertReadEnabled(); return blockOffset_; }
  Acad::ErrorStatus setBlockOffset(const AcGeVector3d& offset);
  AcGeVector3d annotationOffset() const { assertReadEnabled(); return annotationOffset_; }
  Acad::ErrorStatus setAnnotationOffset(const AcGeVector3d& offset);
  // Group 77: the leader's colour when the style says BYBLOCK; -1 when none is filed.
  int leaderColorIndex() const { assertReadEnabled(); return colour_; }
  Acad::ErrorStatus setLeaderColorIndex(int index);

  Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;
  Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;
  using AcDbEntity::getGripPoints;
  Acad::ErrorStatus getGripPoints(AcGePoint3dArray& gripPoints, AcDbIntArray& osnapModes,
                                  AcDbIntArray& geomIds) const override;
  Acad::ErrorStatus moveGripPointsAt(const AcDbIntArray& indices,
                                     const AcGeVector3d& offset) override;
  // A segment of a straight leader, not just its extents, must meet the window.
  bool crossesBox(const AcDbExtents& box) const override;

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

private:
  std::vector<AcGePoint3d> vertices_;
  AcDbObjectId style_;
  bool arrowHead_ = true;
  bool splined_ = false;
  AnnoType annoType_ = kNoAnno;
  AcDbObjectId annotation_;
  bool hookLine_ = false;
  bool hookLineOnXDir_ = false;
  double annoHeight_ = 0.0;
  double annoWidth_ = 0.0;
  AcGeVector3d normal_ = AcGeVector3d::kZAxis;
  AcGeVector3d horizontal_ = AcGeVector3d::kXAxis;
  AcGeVector3d blockOffset_;
  AcGeVector3d annotationOffset_;
  int colour_ = -1;
};
