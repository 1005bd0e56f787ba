// The page's detail in the page controls: Standard holds the page at 3 pixels
// per millimetre, as older designs do; Fine as finely as the paper allows.
#include "app/LMMainWidget.h"

#include "canvas/LMGraphView.h"
#include "model/LMDesign.h"
#include "ui_LMMainWidget.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>

namespace {
enum DetailChoice { Standard, Fine };
}

void LMMainWidget::setUpDetailChoice()
{
    m_detailLabel = new QLabel(this);
    m_detailLabel->setObjectName(QStringLiteral("ll_detail"));
    m_detailChoice = new QComboBox(this);
    m_detailChoice->setObjectName(QStringLiteral("cob_detail"));
    m_detailChoice->addItems({QString(), QString()});
    m_detailLabel->setBuddy(m_detailChoice);
    ui->form_paper->addRow(m_detailLabel, m_detailChoice);
    connect(m_detailChoice, &QComboBox::activated, this, [this](int choice) {
        m_graphView->setDetail(choice == Fine ? m_design->fineDetail() : 1);
        showDetail(); // a page too large for fine detail stays standard
    });
    // Opening, New, Undo and another paper may all bring another detail.
    connect(m_design, &LMDesign::pageChanged, this, &LMMainWidget::showDetail);
    connect(m_design, &LMDesign::loaded, this, &LMMainWidget::showDetail);
    showDetail();
}

void LMMainWidget::showDetail()
{
    const QSignalBlocker quiet(m_detailChoice);
    m_detailChoice->setCurrentIndex(m_design->detail() > 1 ? Fine : Standard);
    m_detailChoice->setEnabled(m_design->detail() > 1 || m_design->fineDetail() > 1);
}

void LMMainWidget::retranslateDetailChoice()
{
    if (!m_detailChoice)
        return;
    m_detailLabel->setText(tr("Detail"));
    m_detailChoice->setItemText(Standard, tr("Standard"));
    m_detailChoice->setItemText(Fine, tr("Fine"));
    m_detailChoice->setToolTip(
        tr("Fine draws the page at about 300 dpi, sharp in print; Standard at 76 dpi, as "
           "older designs are."));
}
