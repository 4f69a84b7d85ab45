// AcDbSpline: its control and fit data, their checks, and DXF and binary
// filing. The curve queries live in spline_geometry.cpp.
#include "db_curves.h"

#include <algorithm>
#include <cmath>
#include <type_traits>

#include "db/curves/curve_math.h"
#include "db/curves/spline_evaluator.h"

ZEK_DEFINE_BUILTIN_MEMBERS(AcDbSpline, AcDbCurve, "SPLINE",
                           []() -> AcRxObject* { return new AcDbSpline; })

using namespace zek::curve;

namespace {

// The most knots or points a filed count reserves room for before they are read.
constexpr short kMostReserved = 1024;
constexpr Adesk::Int16 kClosedFlag = 1, kPeriodicFlag = 2, kRationalFlag = 4, kPlanarFlag = 8;

// The plane of the points by Newell's method: true with its unit normal
// when every point lies within tolerance of it (a line or a point counts as
// planar with the Z axis).
bool planeOf(const std::vector<AcGePoint3d>& points, AcGeVector3d& normal) {
  AcGeVector3d sum;
  double size = 0.0;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const AcGePoint3d& a = points[i];
    const AcGePoint3d& b = points[(i + 1) % points.size()];
    sum += AcGeVector3d((a.y - b.y) * (a.z + b.z), (a.z - b.z) * (a.x + b.x),
                        (a.x - b.x) * (a.y + b.y));
    size = std::fmax(size, a.asVector().length());
  }
  if (!unitNormal(sum, normal)) {
    normal = AcGeVector3d::kZAxis;
    return points.empty() || std::all_of(points.begin(), points.end(), [&](const AcGePoint3d& p) {
             return std::fabs(p.z - points.front().z) <= onCurveTolerance(size);
           });
  }
  for (const AcGePoint3d& p : points)
    if (std::fabs((p - points.front()).dotProduct(normal)) > onCurveTolerance(size))
      return false;
  return true;
}

}  // namespace

AcDbSpline::AcDbSpline(int degree, bool rational, bool closed, bool periodic,
                       const AcGePoint3dArray& controlPoints, const AcGeDoubleArray& knots,
                       const AcGeDoubleArray& weights, double controlPtTol, double knotTol) {
  if (setNurbsData(degree, rational, closed, periodic, controlPoints, knots, weights,
                   controlPtTol, knotTol) != Acad::eOk)
    return;  // bad input: an empty spline
}

int AcDbSpline::degree() const { assertReadEnabled(); return degree_; }
bool AcDbSpline::isRational() const { assertReadEnabled(); return (flags_ & kRationalFlag) != 0; }
bool AcDbSpline::isPlanar() const { assertReadEnabled(); return (flags_ & kPlanarFlag) != 0; }
int AcDbSpline::numControlPoints() const {
  assertReadEnabled();
  return static_cast<int>(controlPoints_.size());
}
int AcDbSpline::numKnots() const { assertReadEnabled(); return static_cast<int>(knots_.size()); }
double AcDbSpline::knotAt(int index) const {
  assertReadEnabled();
  return index >= 0 && index < static_cast<int>(knots_.size()) ? knots_[index] : 0.0;
}
int AcDbSpline::numFitPoints() const {
  assertReadEnabled();
  return static_cast<int>(fitPoints_.size());
}
bool AcDbSpline::hasFitData() const { assertReadEnabled(); return !fitPoints_.empty(); }
double AcDbSpline::fitTolerance() const { assertReadEnabled(); return fitTol_; }
AcGeVector3d AcDbSpline::startTangent() const { assertReadEnabled(); return startTangent_; }
AcGeVector3d AcDbSpline::endTangent() const { assertReadEnabled(); return endTangent_; }
AcGeVector3d AcDbSpline::normal() const { assertReadEnabled(); return normal_; }

double AcDbSpline::weightAt(int index) const {
  assertReadEnabled();
  if (index < 0 || index >= static_cast<int>(weights_.size()))
    return 1.0;
  return weights_[index];
}

Acad::ErrorStatus AcDbSpline::getControlPointAt(int index, AcGePoint3d& point) const {
  assertReadEnabled();
  if (index < 0 || index >= static_cast<int>(controlPoints_.size()))
    return Acad::eInvalidIndex;
  point = controlPoints_[index];
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::setControlPointAt(int index, const AcGePoint3d& point) {
  assertWriteEnabled();
  if (index < 0 || index >= static_cast<int>(controlPoints_.size()))
    return Acad::eInvalidIndex;
  controlPoints_[index] = point;
  invalidate();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::getFitPointAt(int index, AcGePoint3d& point) const {
  assertReadEnabled();
  if (index < 0 || index >= static_cast<int>(fitPoints_.size()))
    return Acad::eInvalidIndex;
  point = fitPoints_[index];
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::setNurbsData(int degree, bool rational, bool closed, bool periodic,
                                           const AcGePoint3dArray& controlPoints,
                                           const AcGeDoubleArray& knots,
                                           const AcGeDoubleArray& weights, double controlPtTol,
                                           double knotTol) {
  assertWriteEnabled();
  Nurbs check;
  check.degree = degree;
  check.points.assign(controlPoints.begin(), controlPoints.end());
  check.knots.assign(knots.begin(), knots.end());
  if (rational)
    check.weights.assign(weights.begin(), weights.end());
  if (!check.isValid() || (rational && check.weights.size() != check.points.size()))
    return Acad::eInvalidInput;
  degree_ = static_cast<Adesk::Int16>(degree);
  controlPoints_ = std::move(check.points);
  knots_ = std::move(check.knots);
  weights_ = std::move(check.weights);
  controlTol_ = controlPtTol > 0.0 ? controlPtTol : 1e-10;
  knotTol_ = knotTol > 0.0 ? knotTol : 1e-10;
  fitPoints_.clear();
  startTangent_ = endTangent_ = AcGeVector3d();
  AcGeVector3d plane;
  const bool planar = planeOf(controlPoints_, plane);
  normal_ = planar ? plane : AcGeVector3d::kZAxis;
  flags_ = static_cast<Adesk::Int16>((closed ? kClosedFlag : 0) | (periodic ? kPeriodicFlag : 0) |
                                     (rational ? kRationalFlag : 0) | (planar ? kPlanarFlag : 0));
  optional_ = kHasKnotTol | kHasControlTol | (planar ? kHasNormal : 0);
  invalidate();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::getNurbsData(int& degree, bool& rational, bool& closed,
                                           bool& periodic, AcGePoint3dArray& controlPoints,
                                           AcGeDoubleArray& knots, AcGeDoubleArray& weights,
                                           double& controlPtTol, double& knotTol) const {
  assertReadEnabled();
  degree = degree_;
  rational = (flags_ & kRationalFlag) != 0;
  closed = (flags_ & kClosedFlag) != 0;
  periodic = (flags_ & kPeriodicFlag) != 0;
  controlPoints.removeAll();
  for (const AcGePoint3d& p : controlPoints_)
    controlPoints.append(p);
  knots.removeAll();
  for (double k : knots_)
    knots.append(k);
  weights.removeAll();
  for (double w : weights_)
    weights.append(w);
  controlPtTol = controlTol_;
  knotTol = knotTol_;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::setFitData(const AcGePoint3dArray& fitPoints, int degree,
                                         double fitTolerance, const AcGeVector3d& startTangent,
                                         const AcGeVector3d& endTangent) {
  assertWriteEnabled();
  if (fitPoints.length() < 2 || degree < 1 || !(fitTolerance >= 0.0))
    return Acad::eInvalidInput;
  fitPoints_.assign(fitPoints.begin(), fitPoints.end());
  controlPoints_.clear();
  knots_.clear();
  weights_.clear();
  degree_ = static_cast<Adesk::Int16>(degree);
  fitTol_ = fitTolerance;
  startTangent_ = startTangent;
  endTangent_ = endTangent;
  AcGeVector3d plane;
  const bool planar = planeOf(fitPoints_, plane);
  normal_ = planar ? plane : AcGeVector3d::kZAxis;
  flags_ = planar ? kPlanarFlag : 0;
  optional_ = kHasFitTol | (planar ? kHasNormal : 0) |
              (startTangent.isZeroLength() ? 0 : kHasStartTangent) |
              (endTangent.isZeroLength() ? 0 : kHasEndTangent);
  invalidate();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::getFitData(AcGePoint3dArray& fitPoints, int& degree,
                                         double& fitTolerance, bool& tangentsExist,
                                         AcGeVector3d& startTangent,
                                         AcGeVector3d& endTangent) const {
  assertReadEnabled();
  if (fitPoints_.empty())
    return Acad::eNotApplicable;  // a spline given by control points only
  fitPoints.removeAll();
  for (const AcGePoint3d& p : fitPoints_)
    fitPoints.append(p);
  degree = degree_;
  fitTolerance = fitTol_;
  tangentsExist = !startTangent_.isZeroLength() || !endTangent_.isZeroLength();
  startTangent = startTangent_;
  endTangent = endTangent_;
  return Acad::eOk;
}

void AcDbSpline::invalidate() { evaluator_.reset(); }

const SplineCurve& AcDbSpline::evaluator() const {
  if (!evaluator_)
    evaluator_ = std::make_shared<const SplineCurve>(buildSplineCurve(
        degree_, knots_, weights_, controlPoints_, fitPoints_, startTangent_, endTangent_));
  return *evaluator_;
}

// ---- Filing -----------------------------------------------------------------

namespace {

template <typename T>
void fileVector(AcDbDwgFiler* filer, const std::vector<T>& items) {
  filer->writeUInt32(static_cast<Adesk::UInt32>(items.size()));
  for (const T& item : items) {
    if constexpr (std::is_same_v<T, double>)
      filer->writeDouble(item);
    else
      filer->writePoint3d(item);
  }
}

template <typename T>
void unfileVector(AcDbDwgFiler* filer, std::vector<T>& items) {
  Adesk::UInt32 count = 0;
  filer->readUInt32(&count);
  items.clear();
  for (Adesk::UInt32 i = 0; i < count && filer->filerStatus() == Acad::eOk; ++i) {
    T item{};
    if constexpr (std::is_same_v<T, double>)
      filer->readDouble(&item);
    else
      filer->readPoint3d(&item);
    items.push_back(item);
  }
}

}  // namespace

Acad::ErrorStatus AcDbSpline::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbCurve::dwgOutFields(filer);
  if (es != Acad::eOk)
    return es;
  filer->writeInt16(flags_);
  filer->writeInt16(degree_);
  filer->writeUInt32(optional_);
  fileVector(filer, knots_);
  fileVector(filer, weights_);
  fileVector(filer, controlPoints_);
  fileVector(filer, fitPoints_);
  filer->writeDouble(knotTol_);
  filer->writeDouble(controlTol_);
  filer->writeDouble(fitTol_);
  filer->writeVector3d(startTangent_);
  filer->writeVector3d(endTangent_);
  filer->writeVector3d(normal_);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbSpline::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbCurve::dwgInFields(filer);
  if (es != Acad::eOk)
    return es;
  Adesk::UInt32 optional = 0;
  filer->readInt16(&flags_);
  filer->readInt16(&degree_);
  filer->readUInt32(&optional);
  optional_ = optional;
  unfileVector(filer, knots_);
  unfileVector(filer, weights_);
  unfileVector(filer, controlPoints_);
  unfileVector(filer, fitPoints_);
  filer->readDouble(&knotTol_);
  filer->readDouble(&controlTol_);
  filer->readDouble(&fitTol_);
  filer->readVector3d(&startTangent_);
  filer->readVector3d(&endTangent_);
  filer->readVector3d(&normal_);
  invalidate();
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbSpline::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbCurve::dxfInFields(filer);
  if (es != Acad::eOk)
    return es;
  if (!filer->atSubclassData("AcDbSpline"))
    return filer->filerStatus();
  optional_ = 0;
  knots_.clear();
  weights_.clear();
  controlPoints_.clear();
  fitPoints_.clear();
  resbuf rb;
  while ((es = filer->readItem(&rb)) == Acad::eOk) {
    const double* p = rb.resval.rpoint;
    switch (rb.restype) {
      case 210:
        normal_.set(p[0], p[1], p[2]);
        optional_ |= kHasNormal;
        break;
      case 70: flags_ = rb.resval.rint; break;
      case 71: degree_ = rb.resval.rint; break;
      // The counts only size the lists; the lists themselves are what is written back.
      // A damaged count must not claim memory the file's groups never fill.
      case 72: knots_.reserve(std::clamp<short>(rb.resval.rint, 0, kMostReserved)); break;
      case 73: controlPoints_.reserve(std::clamp<short>(rb.resval.rint, 0, kMostReserved)); break;
      case 74: fitPoints_.reserve(std::clamp<short>(rb.resval.rint, 0, kMostReserved)); break;
      case 42: knotTol_ = rb.resval.rreal; optional_ |= kHasKnotTol; break;
      case 43: controlTol_ = rb.resval.rreal; optional_ |= kHasControlTol; break;
      case 44: fitTol_ = rb.resval.rreal; optional_ |= kHasFitTol; break;
      case 12: startTangent_.set(p[0], p[1], p[2]); optional_ |= kHasStartTangent; break;
      case 13: endTangent_.set(p[0], p[1], p[2]); optional_ |= kHasEndTangent; break;
      case 40: knots_.push_back(rb.resval.rreal); break;
      case 41: weights_.push_back(rb.resval.rreal); break;
      case 10: controlPoints_.emplace_back(p[0], p[1], p[2]); break;
      case 11: fitPoints_.emplace_back(p[0], p[1], p[2]); break;
      default:
        filer->keepUnknownItem();
        break;
    }
  }
  if (normal_.isZeroLength())
    normal_ = AcGeVector3d::kZAxis;
  // Counts that claimed more than the file held leave no room behind.
  for (auto* list : {&knots_, &weights_})
    if (list->capacity() > 2 * list->size() + 16)
      list->shrink_to_fit();
  for (auto* list : {&controlPoints_, &fitPoints_})
    if (list->capacity() > 2 * list->size() + 16)
      list->shrink_to_fit();
  invalidate();
  return es == Acad::eEndOfFile ? filer->filerStatus() : es;
}

Acad::ErrorStatus AcDbSpline::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbCurve::dxfOutFields(filer);
  if (es != Acad::eOk)
    return es;
  filer->writeString(AcDb::kDxfSubclass, "AcDbSpline");
  if ((optional_ & kHasNormal) != 0 || !isWorldZ(normal_))
    filer->writeVector3d(AcDb::kDxfNormalX, normal_);
  filer->writeInt16(70, flags_);
  filer->writeInt16(71, degree_);
  filer->writeInt16(72, static_cast<Adesk::Int16>(knots_.size()));
  filer->writeInt16(73, static_cast<Adesk::Int16>(controlPoints_.size()));
  filer->writeInt16(74, static_cast<Adesk::Int16>(fitPoints_.size()));
  if ((optional_ & kHasKnotTol) != 0)
    filer->writeDouble(42, knotTol_);
  if ((optional_ & kHasControlTol) != 0)
    filer->writeDouble(43, controlTol_);
  if ((optional_ & kHasFitTol) != 0)
    filer->writeDouble(44, fitTol_);
  if ((optional_ & kHasStartTangent) != 0)
    filer->writePoint3d(12, AcGePoint3d::kOrigin + startTangent_);
  if ((optional_ & kHasEndTangent) != 0)
    filer->writePoint3d(13, AcGePoint3d::kOrigin + endTangent_);
  for (double k : knots_)
    filer->writeDouble(40, k);
  for (double w : weights_)
    filer->writeDouble(41, w);
  for (const AcGePoint3d& p : controlPoints_)
    filer->writePoint3d(10, p);
  for (const AcGePoint3d& p : fitPoints_)
    filer->writePoint3d(11, p);
  return filer->filerStatus();
}
