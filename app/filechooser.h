#pragma once

class QString;
class QWidget;

// Asks the user for the file to open; tests answer without a dialog.
class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The chosen ISYBAU file, offering `offered` as the file name; an empty text when cancelled.
    virtual QString chooseIsybauFile(QWidget* parent, const QString& offered) = 0;
};
