#include "app/qtfilechooser.h"

#include <QFileDialog>
#include <QString>

QString QtFileChooser::chooseIsybauFile(QWidget* parent, const QString& offered) {
    // The patterns in the last brackets are the filter; the text before them is what the user sees.
    const QString filters = QStringLiteral("Isybau-Dateien ( *.h ) (*.h *.H);; Alle Dateien ( *.* ) (*)");
    return QFileDialog::getOpenFileName(parent, QStringLiteral("\u00D6ffnen"), offered, filters, nullptr,
                                        QFileDialog::HideNameFilterDetails);
}
