// Polylines of the plane: the lightweight AcDbPolyline (LWPOLYLINE), which
// keeps its vertices inside itself, and the older AcDb2dPolyline (POLYLINE)
// whose vertices are AcDb2dVertex objects of the database, closed by a
// SEQEND. Both hold their vertices in the object coordinate system of their
// normal, at their elevation; a bulge makes a segment an arc.
#pragma once

#include <memory>
#include <vector>

#include "db_curves.h"

namespace AcDb {
enum Poly2dType { k2dSimplePoly = 0, k2dFitCurvePoly = 1, k2dQuadSplinePoly = 2,
                  k2dCubicSplinePoly = 3 };
enum Vertex2dType { k2dVertex = 0, k2dSplineCtlVertex = 1, k2dSplineFitVertex = 2,
                    k2dCurveFitVertex = 3 };
}  // namespace AcDb

namespace zek {
// One vertex of a lightweight polyline: its OCS position and the bulge of
// the segment that starts there.
struct PolylineVertex {
  AcGePoint2d point;
  double bulge = 0.0;
};
// The widths of the segment that starts at a vertex.
struct SegmentWidths {
  double start = 0.0;
  double end = 0.0;
};
}  // namespace zek

class AcDb2dPolyline;

// A lightweight polyline. Parameters run from 0 at the first vertex, one per
// segment: vertex index + the fraction of the segment's length (an arc's
// fraction of its angle). A closed polyline has a segment from its last
// vertex back to the first. Memory: the vertices are one vector of
// {point, bulge}; widths and vertex identifiers live in vectors of their
// own that stay empty while no vertex needs them.
class AcDbPolyline : public AcDbCurve {
public:
  ACRX_DECLARE_MEMBERS(AcDbPolyline);
  enum SegType { kLine, kArc, kCoincident, kPoint, kEmpty };

  AcDbPolyline() = default;
  // Room for that many vertices (none added yet).
  explicit AcDbPolyline(unsigned int numVerts);

  unsigned int numVerts() const;
  // Inserts a vertex before `index` (numVerts() appends). A negative width
  // takes the polyline's constant width. eInvalidIndex past the end.
  [[nodiscard]] Acad::ErrorStatus addVertexAt(unsigned int index, const AcGePoint2d& point,
                                              double bulge = 0.0, double startWidth = -1.0,
                                              double endWidth = -1.0);
  [[nodiscard]] Acad::ErrorStatus removeVertexAt(unsigned int index);
  // The OCS position; the 3D form answers world coordinates (elevation and
  // normal applied). eInvalidIndex for a vertex that does not exist.
  [[nodiscard]] Acad::ErrorStatus getPointAt(unsigned int index, AcGePoint2d& point) const;
  [[nodiscard]] Acad::ErrorStatus getPointAt(unsigned int index, AcGePoint3d& point) const;
  [[nodiscard]] Acad::ErrorStatus setPointAt(unsigned int index, const AcGePoint2d& point);
  [[nodiscard]] Acad::ErrorStatus getBulgeAt(unsigned int index, double& bulge) const;
  [[nodiscard]] Acad::ErrorStatus setBulgeAt(unsigned int index, double bulge);
  [[nodiscard]] Acad::ErrorStatus getWidthsAt(unsigned int index, double& startWidth,
                                              double& endWidth) const;
  [[nodiscard]] Acad::ErrorStatus setWidthsAt(unsigned int index, double startWidth,
                                              double endWidth);
  // eOk with the width when every segment has the same start and end width,
  // else eNotApplicable.
  [[nodiscard]] Acad::ErrorStatus getConstantWidth(double& width) const;
  // The constant width (group 43): that of every segment while no segment
  // has widths of its own.
  double constantWidth() const;
  // Gives every segment this width (eInvalidInput for a negative one).
  [[nodiscard]] Acad::ErrorStatus setConstantWidth(double width);
  // Ours: some vertex holds widths of its own (the widths vector is in use).
  bool hasWidths() const;
  // Some segment has a non-zero width.
  bool hasWidth() const;
  bool hasBulges() const;
  bool isOnlyLines() const { return !hasBulges(); }

  bool isClosed() const override;
  void setClosed(bool closed);
  // Linetype generation across vertices (flag 128).
  bool hasPlinegen() const;
  void setPlinegen(bool plinegen);
  double elevation() const;
  void setElevation(double elevation);
  AcGeVector3d normal() const;
  [[nodiscard]] Acad::ErrorStatus setNormal(const AcGeVector3d& normal);
  double thickness() const;
  [[nodiscard]] Acad::ErrorStatus setThickness(double thickness);
  SegType segType(unsigned int index) const;

  // The vertex identifiers of R2010 and later files (group 91), 0 where none.
  bool hasVertexIdentifiers() const;
  Adesk::Int32 vertexIdentifierAt(unsigned int index) const;
  [[nodiscard]] Acad::ErrorStatus setVertexIdentifierAt(unsigned int index, Adesk::Int32 id);
  // Host side: the vertices as held.
  const std::vector<zek::PolylineVertex>& vertices() const;

  // A new heavy polyline with the same geometry and properties, its vertices
  // held by it until it is appended to a database. Only transferId = false
  // is offered (eNotImplementedYet otherwise): this polyline stays as it is.
  [[nodiscard]] Acad::ErrorStatus convertTo(AcDb2dPolyline*& polyline,
                                            bool transferId = true) const;

  [[nodiscard]] Acad::ErrorStatus getStartParam(double& param) const override;
  [[nodiscard]] Acad::ErrorStatus getEndParam(double& param) const override;
  [[nodiscard]] Acad::ErrorStatus getStartPoint(AcGePoint3d& point) const override;
  [[nodiscard]] Acad::ErrorStatus getEndPoint(AcGePoint3d& point) const override;
  [[nodiscard]] Acad::ErrorStatus getPointAtParam(double param, AcGePoint3d& point) const override;
  [[nodiscard]] Acad::ErrorStatus getParamAtPoint(const AcGePoint3d& point,
                                                  double& param) const override;
  [[nodiscard]] Acad::ErrorStatus getDistAtParam(double param, double& dist) const override;
  [[nodiscard]] Acad::ErrorStatus getParamAtDist(double dist, double& param) const override;
  [[nodiscard]] Acad::ErrorStatus getDistAtPoint(const AcGePoint3d& point,
                                                 double& dist) const override;
  [[nodiscard]] Acad::ErrorStatus getPointAtDist(double dist, AcGePoint3d& point) const override;
  // The nearest point of the segments (extend is not applied to polylines).
  [[nodiscard]] Acad::ErrorStatus getClosestPointTo(const AcGePoint3d& givenPoint,
                                                    AcGePoint3d& pointOnCurve,
                                                    bool extend = false) const override;
  // The area inside the polyline closed by the segment back to its start,
  // bulges included.
  [[nodiscard]] Acad::ErrorStatus getArea(double& area) const override;

  [[nodiscard]] Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;
  // Moves the vertices in the polyline's plane; a mirroring turns every
  // bulge over. eNotApplicable for a matrix that would make arcs elliptic.
  [[nodiscard]] Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;
  // One grip per vertex, in world coordinates.
  [[nodiscard]] Acad::ErrorStatus getGripPoints(AcGePoint3dArray& gripPoints,
                                                AcDbIntArray& osnapModes,
                                                AcDbIntArray& geomIds) const override;
  using AcDbEntity::getGripPoints;
  [[nodiscard]] Acad::ErrorStatus moveGripPointsAt(const AcDbIntArray& indices,
                                                   const AcGeVector3d& offset) override;
  // AcDbLine and AcDbArc entities, one per segment of non-zero length, with
  // this polyline's properties and thickness (widths are not kept).
  [[nodiscard]] Acad::ErrorStatus explode(AcDbVoidPtrArray& entitySet) const override;
  bool crossesBox(const AcDbExtents& box) const override;

  [[nodiscard]] Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  [[nodiscard]] Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  [[nodiscard]] Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  [[nodiscard]] Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

private:
  bool hasVertex(unsigned int index) const { return index < vertices_.size(); }
  void fitSideVectors();

  std::vector<zek::PolylineVertex> vertices_;
  std::vector<zek::SegmentWidths> widths_;  // empty: every segment at constantWidth_
  std::vector<Adesk::Int32> vertexIds_;     // empty: the file gave none
  AcGeVector3d normal_ = AcGeVector3d::kZAxis;
  double elevation_ = 0.0;
  double thickness_ = 0.0;
  double constantWidth_ = 0.0;
  Adesk::Int16 flags_ = 0;           // group 70: 1 closed, 128 plinegen
  bool writesConstantWidth_ = true;  // group 43 written (the file had it)
};

// The base of the vertices of heavy polylines (the AcDbVertex section of
// DXF files, which holds no groups of its own).
class AcDbVertex : public AcDbEntity {
public:
  ACRX_DECLARE_MEMBERS(AcDbVertex);
  [[nodiscard]] Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  [[nodiscard]] Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;
};

// One vertex of a heavy 2D polyline: its OCS position, the widths and bulge
// of the segment starting there, the curve-fit tangent and the vertex flags
// (group 70: 1 made by curve fitting, 2 tangent given, 8 made by spline
// fitting, 16 spline frame control point).
class AcDb2dVertex : public AcDbVertex {
public:
  ACRX_DECLARE_MEMBERS(AcDb2dVertex);
  AcDb2dVertex() = default;
  AcDb2dVertex(const AcGePoint3d& position, double bulge = 0.0, double startWidth = 0.0,
               double endWidth = 0.0, double tangent = 0.0, Adesk::Int32 vertexIdentifier = 0);

  AcDb::Vertex2dType vertexType() const;
  // The OCS position of the polyline's plane (z as filed; the polyline's
  // elevation places the vertex).
  AcGePoint3d position() const;
  [[nodiscard]] Acad::ErrorStatus setPosition(const AcGePoint3d& position);
  double startWidth() const;
  [[nodiscard]] Acad::ErrorStatus setStartWidth(double width);
  double endWidth() const;
  [[nodiscard]] Acad::ErrorStatus setEndWidth(double width);
  double bulge() const;
  [[nodiscard]] Acad::ErrorStatus setBulge(double bulge);
  bool isTangentUsed() const;
  // The curve-fit tangent direction, radians in the OCS.
  double tangent() const;
  // Sets the tangent and marks it used.
  [[nodiscard]] Acad::ErrorStatus setTangent(double tangent);
  [[nodiscard]] Acad::ErrorStatus useTangent();
  [[nodiscard]] Acad::ErrorStatus ignoreTangent();
  Adesk::Int32 vertexIdentifier() const;
  [[nodiscard]] Acad::ErrorStatus setVertexIdentifier(Adesk::Int32 id);
  // Ours: the vertex flags as filed.
  Adesk::Int16 vertexFlags() const;

  [[nodiscard]] Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  [[nodiscard]] Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  [[nodiscard]] Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  [[nodiscard]] Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

  // Groups written only when the file had them or they were set.
  enum OptionalGroup : Adesk::UInt8 { kHasStartWidth = 1, kHasEndWidth = 2, kHasTangent = 4,
                                      kHasIdentifier = 8 };

private:
  AcGePoint3d position_;
  double startWidth_ = 0.0;
  double endWidth_ = 0.0;
  double bulge_ = 0.0;
  double tangent_ = 0.0;
  Adesk::Int32 identifier_ = 0;
  Adesk::Int16 flags_ = 0;
  Adesk::UInt8 optional_ = 0;
};

// A heavy 2D polyline (POLYLINE without the 3D, mesh and polyface flags).
// Its vertices are database objects it owns; while the polyline is not in a
// database it holds appended vertices itself and adds them to the database
// (with a SEQEND) when it is added. Parameters, lengths and extents follow
// the vertices as AcDbPolyline's do; spline frame control points (vertex
// flag 16) are not on the curve and are skipped.
class AcDb2dPolyline : public AcDbCurve, public zek::ComplexEntity {
public:
  ACRX_DECLARE_MEMBERS(AcDb2dPolyline);
  AcDb2dPolyline();
  ~AcDb2dPolyline() override;
  // A polyline of new vertices at these OCS positions (z ignored).
  AcDb2dPolyline(AcDb::Poly2dType type, const AcGePoint3dArray& vertices, double elevation = 0.0,
                 bool closed = false, double defStartWidth = 0.0, double defEndWidth = 0.0,
                 const AcGeDoubleArray* bulges = nullptr);

  // Adds a vertex at the end; the polyline owns it from then on. In a
  // database the vertex gets its id and stays open for write for the caller
  // to close; the polyline must be open for write.
  [[nodiscard]] Acad::ErrorStatus appendVertex(AcDbObjectId& id, AcDb2dVertex* vertex);
  [[nodiscard]] Acad::ErrorStatus appendVertex(AcDb2dVertex* vertex);
  // The vertices in order (empty while they are still held by a polyline
  // outside a database: see pendingVertices).
  const std::vector<AcDbObjectId>& vertexIds() const;
  // Host side: the vertices held while the polyline is not in a database.
  const std::vector<std::unique_ptr<AcDb2dVertex>>& pendingVertices() const { return pending_; }

  AcDb::Poly2dType polyType() const;
  [[nodiscard]] Acad::ErrorStatus setPolyType(AcDb::Poly2dType type);
  bool isClosed() const override;
  [[nodiscard]] Acad::ErrorStatus makeClosed();
  [[nodiscard]] Acad::ErrorStatus makeOpen();
  bool isLinetypeGenerationOn() const;
  [[nodiscard]] Acad::ErrorStatus setLinetypeGenerationOn();
  [[nodiscard]] Acad::ErrorStatus setLinetypeGenerationOff();
  double elevation() const;
  [[nodiscard]] Acad::ErrorStatus setElevation(double elevation);
  AcGeVector3d normal() const;
  [[nodiscard]] Acad::ErrorStatus setNormal(const AcGeVector3d& normal);
  double thickness() const;
  [[nodiscard]] Acad::ErrorStatus setThickness(double thickness);
  double defaultStartWidth() const;
  [[nodiscard]] Acad::ErrorStatus setDefaultStartWidth(double width);
  double defaultEndWidth() const;
  [[nodiscard]] Acad::ErrorStatus setDefaultEndWidth(double width);
  // The world position of one of this polyline's vertices.
  AcGePoint3d vertexPosition(const AcDb2dVertex& vertex) const;
  // Ours: the length along every segment.
  [[nodiscard]] Acad::ErrorStatus length(double& length) const;
  // Ours: the polyline flags as filed (group 70).
  Adesk::Int16 polylineFlags() const;

  [[nodiscard]] Acad::ErrorStatus getStartParam(double& param) const override;
  [[nodiscard]] Acad::ErrorStatus getEndParam(double& param) const override;
  [[nodiscard]] Acad::ErrorStatus getStartPoint(AcGePoint3d& point) const override;
  [[nodiscard]] Acad::ErrorStatus getEndPoint(AcGePoint3d& point) const override;
  [[nodiscard]] Acad::ErrorStatus getPointAtParam(double param, AcGePoint3d& point) const override;
  [[nodiscard]] Acad::ErrorStatus getParamAtPoint(const AcGePoint3d& point,
                                                  double& param) const override;
  [[nodiscard]] Acad::ErrorStatus getDistAtParam(double param, double& dist) const override;
  [[nodiscard]] Acad::ErrorStatus getParamAtDist(double dist, double& param) const override;
  [[nodiscard]] Acad::ErrorStatus getDistAtPoint(const AcGePoint3d& point,
                                                 double& dist) const override;
  [[nodiscard]] Acad::ErrorStatus getPointAtDist(double dist, AcGePoint3d& point) const override;
  [[nodiscard]] Acad::ErrorStatus getClosestPointTo(const AcGePoint3d& givenPoint,
                                                    AcGePoint3d& pointOnCurve,
                                                    bool extend = false) const override;
  [[nodiscard]] Acad::ErrorStatus getArea(double& area) const override;

  [[nodiscard]] Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;
  // Opens every vertex for write and moves it in the plane; a mirroring
  // turns the bulges over. eNotApplicable for a matrix that would make arcs
  // elliptic.
  [[nodiscard]] Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;
  [[nodiscard]] Acad::ErrorStatus getGripPoints(AcGePoint3dArray& gripPoints,
                                                AcDbIntArray& osnapModes,
                                                AcDbIntArray& geomIds) const override;
  using AcDbEntity::getGripPoints;
  [[nodiscard]] Acad::ErrorStatus moveGripPointsAt(const AcDbIntArray& indices,
                                                   const AcGeVector3d& offset) override;
  [[nodiscard]] Acad::ErrorStatus explode(AcDbVoidPtrArray& entitySet) const override;
  bool crossesBox(const AcDbExtents& box) const override;

  [[nodiscard]] Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  [[nodiscard]] Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  [[nodiscard]] Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  [[nodiscard]] Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

  // Entity and object sides of the head.
  zek::ComplexEntity* asComplex() override { return this; }
  void ownedObjectIds(std::vector<AcDbObjectId>& owned) const override;
  // Adding the polyline to a database adds the vertices it holds.
  [[nodiscard]] Acad::ErrorStatus setOwnerId(AcDbObjectId owner) override;

  // zek::ComplexEntity
  const char* subentityType() const override { return "VERTEX"; }
  bool hasSubentities() const override { return true; }
  const std::vector<AcDbObjectId>& subentityIds() const override { return vertices_; }
  void appendSubentityId(AcDbObjectId id) override { vertices_.push_back(id); }
  AcDbObjectId sequenceEndId() const override { return sequenceEnd_; }
  void setSequenceEndId(AcDbObjectId id) override { sequenceEnd_ = id; }

private:
  // The vertices on the curve as {OCS point, bulge}, read from the vertex
  // objects (opened for read and closed again).
  [[nodiscard]] Acad::ErrorStatus collectVertices(std::vector<zek::PolylineVertex>& path) const;
  // Runs a query (a callable taking the path of the vertices) on them.
  template <typename Query>
  [[nodiscard]] Acad::ErrorStatus withPath(Query&& query) const;
  // Adds the held vertices (and a SEQEND) to the database the polyline is in.
  [[nodiscard]] Acad::ErrorStatus addPendingVertices();
  [[nodiscard]] Acad::ErrorStatus ensureSequenceEnd();

  std::vector<AcDbObjectId> vertices_;
  std::vector<std::unique_ptr<AcDb2dVertex>> pending_;
  AcDbObjectId sequenceEnd_;
  AcGeVector3d normal_ = AcGeVector3d::kZAxis;
  double elevation_ = 0.0;
  double thickness_ = 0.0;
  double defaultStartWidth_ = 0.0;
  double defaultEndWidth_ = 0.0;
  Adesk::Int16 flags_ = 0;       // group 70: 1 closed, 2 curve fit, 4 spline fit, 128 plinegen
  Adesk::Int16 curveType_ = 0;   // group 75: 0 none, 5 quadratic, 6 cubic, 8 Bézier
  bool hadEntitiesFollow_ = false;  // the file gave group 66
};
