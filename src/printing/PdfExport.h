#pragma once

#include "printing/PageComposer.h"

#include <QString>

// Writes the printed page into a PDF file on an A4 landscape sheet: the same
// page the print dialog makes, for a printer-less machine or the command line.
// The file is replaced whole or left as it was; `error` says why not.
bool writePdfPage(const PageContents& page, const QString& target, QString* error = nullptr);
