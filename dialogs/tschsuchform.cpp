#include "dialogs/tschsuchform.h"

#include "app/qtext.h"
#include "dialogs/manholesearch.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TSchSuchForm::TSchSuchForm(SearchGrid& grid, MessageBoxes& boxes, QWidget* parent)
    : QDialog(parent), m_grid(grid), m_boxes(boxes) {
    setObjectName(QStringLiteral("SchSuchForm"));
    setWindowTitle(QStringLiteral("Schacht suchen"));
    setFixedSize(300, 124);

    auto* label = new QLabel(QStringLiteral("Schachtbezeichnung eingeben"), this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setGeometry(16, 12, 268, 18);

    m_suchFeld = new QLineEdit(this);
    m_suchFeld->setObjectName(QStringLiteral("SuchFeld"));
    m_suchFeld->setGeometry(16, 34, 268, 24);

    auto* search = new QPushButton(QStringLiteral("&Suchen"), this);
    search->setObjectName(QStringLiteral("SuchBtn"));
    search->setGeometry(16, 80, 120, 28);
    search->setDefault(true);
    connect(search, &QPushButton::clicked, this, &TSchSuchForm::SuchBtnClick);

    auto* cancel = new QPushButton(QStringLiteral("&Abbrechen"), this);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    cancel->setGeometry(164, 80, 120, 28);
    connect(cancel, &QPushButton::clicked, this, &TSchSuchForm::CancelBtnClick);
}

void TSchSuchForm::clearSearchText() { m_suchFeld->clear(); }

void TSchSuchForm::SuchBtnClick() { runManholeSearch(fromQString(m_suchFeld->text()), m_grid, m_boxes); }

void TSchSuchForm::CancelBtnClick() { reject(); }
