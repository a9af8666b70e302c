#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class MainWindow;

// `rimbano PLAN.jpg`, as a file manager's "Open with" starts the program: the
// drawing named goes through File > Load's own routine, so it is cut into
// floors by its width and refused with the same messages.
namespace CommandLineDrawing {

// The drawings named among `arguments` (the program's name first); nullopt
// with the reason in `error` when an option is not one the program knows.
std::optional<QStringList> filesIn(const QStringList& arguments, QString& error);

// Loads the one drawing in `files` into the window's floors; more than one is
// refused with a message and nothing is loaded.
void open(MainWindow& window, const QStringList& files);

QString oneAtATimeText();

} // namespace CommandLineDrawing
