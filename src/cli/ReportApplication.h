#pragma once

#include <QCoreApplication>
#include <memory>

// The Qt application numorra-report runs in, which never sees its arguments.
namespace ReportApplication {

// A QGuiApplication on the offscreen platform when `fonts` is true (a PDF
// needs fonts, never a display, whatever the environment names), a
// QCoreApplication otherwise. `programPath` must outlive the application.
std::unique_ptr<QCoreApplication> create(char *programPath, bool fonts);

} // namespace ReportApplication
