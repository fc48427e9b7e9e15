#include "dialogs/taboutform.h"

#include "app/programicon.h"
#include "app/qtext.h"
#include "dialogs/versiontext.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>

TAboutForm::TAboutForm(const std::string& programFile, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutForm"));
    setWindowTitle(QStringLiteral("Info"));
    setFixedSize(300, 176);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(192, 192, 192));
    palette.setColor(QPalette::WindowText, Qt::black);
    setPalette(palette);

    auto* bevel = new QFrame(this);
    bevel->setObjectName(QStringLiteral("Bevel1"));
    bevel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    bevel->setLineWidth(2);
    bevel->setGeometry(12, 12, 276, 106);

    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(programIconPixmap(32));
    image->setGeometry(28, 28, 32, 32);

    QFont font;
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    font.setPointSize(10);

    auto* label = new QLabel(toQString(programLabel()), this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setFont(font);
    label->setGeometry(76, 32, 200, 22);

    auto* version = new QLabel(toQString(versionTextOfFile(programFile)), this);
    version->setObjectName(QStringLiteral("VersLabel"));
    version->setFont(font);
    version->setGeometry(76, 70, 200, 22);

    auto* close = new QPushButton(QStringLiteral("&Schlie\u00DFen"), this);
    close->setObjectName(QStringLiteral("CloseBtn"));
    close->setGeometry(102, 132, 96, 30);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &TAboutForm::CloseBtnClick);
}

void TAboutForm::CloseBtnClick() { close(); }

void TAboutForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* shown = screen())
        move(shown->availableGeometry().center() - rect().center());
}
