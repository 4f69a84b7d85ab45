# host/src/db/curves: the curve entities (line, circle, arc, ellipse, spline,
# point, lightweight and heavy 2D polylines) and their tests.
set(ZEK_CURVES_DIR ${CMAKE_CURRENT_LIST_DIR})

target_sources(zekhost PRIVATE
  ${ZEK_CURVES_DIR}/arc.cpp
  ${ZEK_CURVES_DIR}/bulge_path.cpp
  ${ZEK_CURVES_DIR}/circle.cpp
  ${ZEK_CURVES_DIR}/circle_data.cpp
  ${ZEK_CURVES_DIR}/curve.cpp
  ${ZEK_CURVES_DIR}/curve_math.cpp
  ${ZEK_CURVES_DIR}/ellipse.cpp
  ${ZEK_CURVES_DIR}/ellipse_filing.cpp
  ${ZEK_CURVES_DIR}/line.cpp
  ${ZEK_CURVES_DIR}/nurbs.cpp
  ${ZEK_CURVES_DIR}/point.cpp
  ${ZEK_CURVES_DIR}/polyline.cpp
  ${ZEK_CURVES_DIR}/polyline_filing.cpp
  ${ZEK_CURVES_DIR}/polyline_geometry.cpp
  ${ZEK_CURVES_DIR}/polyline2d.cpp
  ${ZEK_CURVES_DIR}/polyline2d_geometry.cpp
  ${ZEK_CURVES_DIR}/spline.cpp
  ${ZEK_CURVES_DIR}/spline_geometry.cpp
  ${ZEK_CURVES_DIR}/vertex2d.cpp
)

zek_add_test(NAME host_curve_tests
  SOURCES
    ${ZEK_CURVES_DIR}/arc_test.cpp
    ${ZEK_CURVES_DIR}/bulge_path_test.cpp
    ${ZEK_CURVES_DIR}/circle_test.cpp
    ${ZEK_CURVES_DIR}/curve_math_test.cpp
    ${ZEK_CURVES_DIR}/curve_test_support.cpp
    ${ZEK_CURVES_DIR}/ellipse_test.cpp
    ${ZEK_CURVES_DIR}/line_test.cpp
    ${ZEK_CURVES_DIR}/nurbs_test.cpp
    ${ZEK_CURVES_DIR}/point_test.cpp
    ${ZEK_CURVES_DIR}/polyline_test.cpp
    ${ZEK_CURVES_DIR}/polyline2d_test.cpp
    ${ZEK_CURVES_DIR}/spline_test.cpp
  LIBS zekhost
)
target_include_directories(host_curve_tests PRIVATE ${CMAKE_SOURCE_DIR}/host/src)
