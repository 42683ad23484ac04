// Files dragged from a file manager onto the home or entry screen: a model file opens as
// File > Open does and a system text file is imported as File > Import... does, each with
// the unsaved-data question first. A drop of anything else (text
// dragged into a box, several files) is left to the control under it.
#pragma once

#include <QObject>
#include <QString>

class QMimeData;
class QWidget;

namespace korvel {

enum class DroppedKind { None, Model, System_Text };

// By the file's extension: .kvl a model, .csv, .tsv and .txt a system as text.
DroppedKind Kind_Of_Dropped_File(const QString& path);

// The one local file the drag carries; empty for none, several, or something else.
QString Dropped_File(const QMimeData* mime);

// Makes the screen and its text boxes take dropped files.
void Accept_File_Drops(QWidget* screen);

class FileDrop : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace korvel
