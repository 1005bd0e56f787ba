#include "tools/LMScreenMsgHandlerPaddingSetting.h"

#include "model/LMDesign.h"
#include "tools/LMScreenMsgHandlerPadding.h"
#include "tools/LMToolEnvironment.h"

#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QSignalBlocker>

namespace {
constexpr double MmPerInch = 25.4;
constexpr double MostInches = 1.0;
// What must stay between two facing margins, in inches.
constexpr double LeastRoom = 0.2;
enum { Left, Top, Right, Bottom };
} // namespace

QWidget *LMScreenMsgHandlerPadding::createSettingWidget(QWidget *parent)
{
    return new LMScreenMsgHandlerPaddingSetting(view()->design(), parent);
}

LMScreenMsgHandlerPaddingSetting::LMScreenMsgHandlerPaddingSetting(LMDesign &design,
                                                                   QWidget *parent)
    : LMSettingPanel(parent), m_design(design)
{
    setObjectName(QStringLiteral("LMScreenMsgHandlerPaddingSetting"));
    auto *form = new QFormLayout(this);
    form->setObjectName(QStringLiteral("formLayout"));
    form->setContentsMargins(0, 6, 0, 6);
    static const char *const labels[4] = {"l_left", "l_top", "l_right", "l_bottom"};
    static const char *const boxes[4] = {"sp_left", "sp_top", "sp_right", "sp_bottom"};
    for (int i = 0; i < 4; ++i) {
        m_labels[i] = new QLabel(this);
        m_labels[i]->setObjectName(QLatin1String(labels[i]));
        m_boxes[i] = new QDoubleSpinBox(this);
        m_boxes[i]->setObjectName(QLatin1String(boxes[i]));
        m_boxes[i]->setRange(0.0, MostInches);
        m_boxes[i]->setSingleStep(0.1);
        m_boxes[i]->setDecimals(2);
        form->addRow(m_labels[i], m_boxes[i]);
        connect(m_boxes[i], &QDoubleSpinBox::editingFinished, this,
                &LMScreenMsgHandlerPaddingSetting::slot_UpdatePadding);
    }
    slot_Init();
    // A new paper brings its own room for margins.
    connect(&m_design, &LMDesign::paperChanged, this, &LMScreenMsgHandlerPaddingSetting::slot_Init);
    retranslate();
}

void LMScreenMsgHandlerPaddingSetting::retranslate()
{
    static const int lines[4] = {68, 70, 69, 71};
    for (int i = 0; i < 4; ++i) {
        m_labels[i]->setText(lmText(lines[i]));
        m_boxes[i]->setSuffix(tr(" Inch"));
    }
}

void LMScreenMsgHandlerPaddingSetting::slot_Init()
{
    const std::array<double, 4> &margins = m_design.margins(); // top, left, bottom, right
    const double mm[4] = {margins[1], margins[0], margins[3], margins[2]};
    for (int i = 0; i < 4; ++i) {
        const QSignalBlocker quiet(m_boxes[i]);
        m_boxes[i]->setMaximum(MostInches);
        m_boxes[i]->setValue(mm[i] / MmPerInch);
    }
    limitBoxes();
}

void LMScreenMsgHandlerPaddingSetting::limitBoxes()
{
    // The page in inches: 3 document pixels per millimetre.
    const QRect page = m_design.pageRect();
    const double across[4] = {page.width() / 3.0 / MmPerInch, page.height() / 3.0 / MmPerInch,
                              page.width() / 3.0 / MmPerInch, page.height() / 3.0 / MmPerInch};
    for (int i = 0; i < 4; ++i) {
        const int facing = (i + 2) % 4;
        const double room = across[i] - m_boxes[facing]->value() - LeastRoom;
        const QSignalBlocker quiet(m_boxes[i]);
        m_boxes[i]->setMaximum(qBound(0.0, room, MostInches));
    }
}

void LMScreenMsgHandlerPaddingSetting::slot_UpdatePadding()
{
    m_design.setMargins(m_boxes[Left]->value() * MmPerInch, m_boxes[Top]->value() * MmPerInch,
                        m_boxes[Right]->value() * MmPerInch, m_boxes[Bottom]->value() * MmPerInch);
    limitBoxes();
}
