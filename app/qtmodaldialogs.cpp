#include "app/qtmodaldialogs.h"

#include <QDialog>

int QtModalDialogs::exec(QDialog& dialog) { return dialog.exec(); }
