#include "tools/LMScreenMsgHandlerPaddingSetting.h"

#include "base/LMUnits.h"
#include "model/LMDesign.h"
#include "tools/LMScreenMsgHandlerPadding.h"
#include "tools/LMToolEnvironment.h"

#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QSignalBlocker>

#include <cmath>

namespace {
constexpr double MmPerInch = 25.4;
// No margin is wider than an inch.
constexpr double MostMm = 25.4;
// What must stay between two facing margins.
constexpr double LeastRoomMm = 0.2 * MmPerInch;
enum { Left, Top, Right, Bottom };
// The design keeps its margins as top, left, bottom, right.
constexpr int StoredIndex[4] = {1, 0, 3, 2};

double unitMm(bool inches) { return inches ? MmPerInch : 1.0; }
int decimalsOf(bool inches) { return inches ? 2 : 1; }

double rounded(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) / scale;
}
} // namespace

QWidget *LMScreenMsgHandlerPadding::createSettingWidget(QWidget *parent)
{
    return new LMScreenMsgHandlerPaddingSetting(view()->design(), parent);
}

LMScreenMsgHandlerPaddingSetting::LMScreenMsgHandlerPaddingSetting(LMDesign &design,
                                                                   QWidget *parent)
    : LMSettingPanel(parent), m_design(design), m_inches(LMUnits::usesInches())
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
        // Wider than any margin may be, so a value too large reaches us
        // and is refused with a word instead of clamped in silence.
        m_boxes[i]->setRange(0.0, 10 * MostMm / unitMm(m_inches));
        m_boxes[i]->setSingleStep(m_inches ? 0.1 : 1.0);
        m_boxes[i]->setDecimals(decimalsOf(m_inches));
        form->addRow(m_labels[i], m_boxes[i]);
        connect(m_boxes[i], &QDoubleSpinBox::editingFinished, this, [this, i] { commitBox(i); });
    }
    m_range = new QLabel(this);
    m_range->setObjectName(QStringLiteral("label_range"));
    m_range->setWordWrap(true);
    m_range->hide();
    form->addRow(m_range);
    slot_Init();
    // A new paper brings its own room; an undo or another panel may move them.
    connect(&m_design, &LMDesign::paperChanged, this, &LMScreenMsgHandlerPaddingSetting::slot_Init);
    connect(&m_design, &LMDesign::marginsChanged, this,
            &LMScreenMsgHandlerPaddingSetting::slot_Init);
    retranslate();
}

void LMScreenMsgHandlerPaddingSetting::retranslate()
{
    static const int lines[4] = {68, 70, 69, 71};
    for (int i = 0; i < 4; ++i) {
        m_labels[i]->setText(lmText(lines[i]));
        m_boxes[i]->setSuffix(m_inches ? tr(" Inch") : tr(" mm"));
    }
    showRanges();
}

double LMScreenMsgHandlerPaddingSetting::marginOf(int side) const
{
    return m_design.margins()[StoredIndex[side]];
}

double LMScreenMsgHandlerPaddingSetting::mostFor(int side) const
{
    // The page in millimetres: 3 document pixels per millimetre.
    const QRect page = m_design.pageRect();
    const double across = (side == Left || side == Right ? page.width() : page.height()) / 3.0;
    const double room = across - marginOf((side + 2) % 4) - LeastRoomMm;
    return qBound(0.0, room, MostMm);
}

QString LMScreenMsgHandlerPaddingSetting::withUnit(double mm) const
{
    // Rounded down, so the figure shown is one the page does hold.
    const double scale = std::pow(10.0, decimalsOf(m_inches));
    const double value = std::floor(mm / unitMm(m_inches) * scale + 1e-6) / scale;
    return QLocale().toString(value, 'f', decimalsOf(m_inches)) + m_boxes[0]->suffix();
}

void LMScreenMsgHandlerPaddingSetting::slot_Init()
{
    for (int i = 0; i < 4; ++i) {
        const QSignalBlocker quiet(m_boxes[i]);
        m_boxes[i]->setValue(marginOf(i) / unitMm(m_inches));
    }
    showRanges();
}

void LMScreenMsgHandlerPaddingSetting::commitBox(int side)
{
    const double shown = rounded(marginOf(side) / unitMm(m_inches), decimalsOf(m_inches));
    const double typed = m_boxes[side]->value();
    // Leaving a box untouched keeps the margin's own value, not its rounding.
    if (std::abs(typed - shown) < 1e-9)
        return;
    const double mm = typed * unitMm(m_inches);
    if (mm > mostFor(side) + 1e-6) {
        const QSignalBlocker quiet(m_boxes[side]);
        m_boxes[side]->setValue(shown);
        showRanges(side);
        return;
    }
    double margins[4];
    for (int i = 0; i < 4; ++i)
        margins[i] = i == side ? mm : marginOf(i);
    m_design.setMargins(margins[Left], margins[Top], margins[Right], margins[Bottom]);
}

void LMScreenMsgHandlerPaddingSetting::showRanges(int refused)
{
    QStringList lines;
    for (int i = 0; i < 4; ++i) {
        if (i == refused || marginOf(i) > mostFor(i) + 1e-6)
            lines << tr("%1: from 0 to %2 on this paper.").arg(m_labels[i]->text(),
                                                               withUnit(mostFor(i)));
    }
    m_range->setText(lines.join(QLatin1Char('\n')));
    m_range->setVisible(!lines.isEmpty());
}
