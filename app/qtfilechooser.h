#pragma once

#include "app/filechooser.h"

// The file-open dialog: ISYBAU files (*.h) first, then all files; only an existing file can be chosen.
class QtFileChooser final : public FileChooser {
public:
    QString chooseIsybauFile(QWidget* parent, const QString& offered) override;
};
