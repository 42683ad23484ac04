// Files dragged from a file manager onto the home or entry screen: a model file opens as
// File > Open does, with the unsaved-data question first. A drop of anything else (text
// dragged into a box, several files) is left to the control under it.
#pragma once

#include <QObject>
#include <QString>

class QMimeData;
class QWidget;

namespace korvel {

enum class Dropped_Kind { None, Model, System_Text };

// By the file's extension: .kvl a model, .csv, .tsv and .txt a system as text.
Dropped_Kind Kind_Of_Dropped_File(const QString& path);

// The one local file the drag carries; empty for none, several, or something else.
QString Dropped_File(const QMimeData* mime);

// The import of systems as text is a home-screen routine of its own (Import_System_Path,
// which asks the unsaved-data question itself); once the home screen has it, dropped
// system text files are taken and handed to it.
template <class Home> constexpr bool Imports_Systems() {
    return requires(Home * home, const QString& path) {
        home->Import_System_Path(path);
    };
}

template <class Home> void Import_Dropped_System(Home* home, const QString& path) {
    if constexpr (Imports_Systems<Home>()) home->Import_System_Path(path);
}

// Makes the screen and its text boxes take dropped files.
void Accept_File_Drops(QWidget* screen);

class File_Drop : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace korvel
