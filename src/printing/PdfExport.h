#pragma once

#include "printing/PageComposer.h"

#include <QPageLayout>
#include <QString>

#include <functional>
#include <vector>

class QPrinter;

// Writes the printed page into a PDF file on an A4 landscape sheet: the same
// page the print dialog makes, for a printer-less machine or the command line.
// The file is replaced whole or left as it was; `error` says why not.
bool writePdfPage(const PageContents& page, const QString& target, QString* error = nullptr);

// The A4 sheet of a PDF file in `orientation`, with the margins every PDF of
// the program gets.
QPageLayout pdfPageLayout(QPageLayout::Orientation orientation);

// Writes a page of each of `pages`' layouts into a PDF file, replaced whole or
// left as it was. `paintPage` paints page `index` (from 0) with the painter's
// origin at the printable area's top-left corner, `printable` in device pixels.
bool writePdf(const QString& target, const std::vector<QPageLayout>& pages,
              const std::function<void(QPainter&, QPrinter&, const QRect& printable, int index)>& paintPage,
              QString* error = nullptr);
