#pragma once

#include "ReportModel.h"

// Report templates are data files (resources/reports/<name>.json), checked when loaded: a
// template that misses a key, repeats a name or names a picture that does not load fails
// with a message instead of printing a half-empty page.
namespace ReportTemplate {
ReportDocument load(const QString& name); // from the program's resources
ReportDocument parse(const QByteArray& json, const QString& origin);
} // namespace ReportTemplate
