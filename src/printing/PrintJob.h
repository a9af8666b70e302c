#pragma once

#include <QImage>
#include <QString>

#include <array>
#include <functional>
#include <optional>

struct AppContext;
class PrinterSystem;
class QPrinter;

// What the print dialog hands over when its "Afdrukken" button is pressed.
struct PrintRequest {
    int floorCount = 1;
    QString copiesText;
    QString title;
    bool withDate = false;
};

// The copies box as a number: a whole number from 1 to 999, or nothing.
std::optional<int> copiesFromText(const QString& text);

// One landscape page on the printer chosen in Print Setup (the system's default
// until then) or, on a machine without a printer, in a PDF file the user names.
class PrintJob {
public:
    PrintJob(AppContext& context, PrinterSystem& system, QPrinter& printer);

    // Composes the page from `floors` (ground floor first) and sends it.
    // `showProgress` runs once the page is complete but before it is sent.
    // True when the page went out; otherwise nothing was printed and the
    // user has either been told why or chose not to print.
    bool print(const PrintRequest& request, const std::array<QImage, 3>& floors,
               const std::function<void()>& showProgress);

    // The route every printout takes: `send` paints onto printer() and ends
    // the document; it goes to the system's printer or, on a machine without
    // one, into a PDF file the user names (replaced whole, or not at all).
    bool printPages(const std::function<bool()>& send);
    QPrinter& printer() { return m_printer; }

private:
    QString choosePdfFile();
    bool sendPage(const PrintRequest& request, int copies, const std::array<QImage, 3>& floors,
                  const std::function<void()>& showProgress);

    AppContext& m_context;
    PrinterSystem& m_system;
    QPrinter& m_printer;
};
