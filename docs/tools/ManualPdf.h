#pragma once

#include <QByteArray>
#include <QString>

// The manual as an A4 PDF file: a title page, the contents with the page of each chapter and
// section, then the chapters; every page after the title carries its number at the foot and
// the chapter's title at the head. The fonts are embedded. Throws Failure with the
// reason when a picture is missing.
namespace ManualPdf {

struct Cover {
    QString title; // also the PDF's title, after the program's name
    QString subtitle;
    QString picture; // a picture file of the pictures folder, or empty
};

QByteArray write(const Cover& cover, const QString& markdown, const QString& picturesFolder);

} // namespace ManualPdf
