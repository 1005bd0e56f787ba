#include "frameeffect/LMScreenMsgHandlerBorderSetting.h"

#include "capture/LMScreenshotHelper.h"
#include "frameeffect/BorderTextHelper.h"
#include "model/LMDesign.h"
#include "model/LMFiles.h"
#include "model/LMViewFlags.h"
#include "model/frame/LMFrameTextPainter.h"
#include "model/frame/LMFrameTextSettings.h"
#include "model/frame/LMStripGeometry.h"
#include "tools/text/LMScreenMsgHandlerTextSetting.h"
#include "widgets/KVCLIENT_ColorComboBox.h"
#include "widgets/LMFileDialog.h"
#include "widgets/LMNamesDialog.h"
#include "widgets/LMPictureWarning.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>

#include <algorithm>
#include <vector>

namespace {
const QSize ButtonSize(32, 24);
// The stored frame text is at most 1024 bytes; no character takes more than
// three bytes per UTF-16 unit, so this many units always fit.
constexpr int MaxFrameTextLength = 340;
// Sixteen characters of at most four bytes each fit the file's block.
constexpr int MaxSeparatorLength = 16;

template <class W> W *named(W *w, const char *name)
{
    w->setObjectName(QLatin1String(name));
    return w;
}

QPushButton *fillButton(QWidget *parent, const char *name)
{
    auto *b = named(new QPushButton(parent), name);
    b->setFlat(true);
    b->setCheckable(true);
    b->setFixedSize(ButtonSize);
    b->setIconSize(ButtonSize - QSize(6, 6));
    return b;
}

QIcon swatch(const QColor &colour)
{
    QPixmap p(ButtonSize - QSize(6, 6));
    p.fill(colour);
    return QIcon(p);
}
} // namespace

const QStringList &LMScreenMsgHandlerBorderSetting::widthNames()
{
    static const QStringList names = {"3mm", "6mm", "12mm", "24mm", "36mm", "", ""};
    return names;
}

LMScreenMsgHandlerBorderSetting::LMScreenMsgHandlerBorderSetting(LMDesign &design, bool strip,
                                                                 QWidget *parent)
    : LMSettingPanel(parent), m_design(design), m_strip(strip),
      m_textHelper(new BorderTextHelper(design)), m_fills(new QButtonGroup(this))
{
    setObjectName(QStringLiteral("LMScreenMsgHandlerBorderSetting"));
    buildForm();
    syncFromDesign();

    connect(m_btnColor, &QPushButton::clicked, this,
            &LMScreenMsgHandlerBorderSetting::slot_updateColor);
    connect(m_colorW, &KVCLIENT_ColorComboBox::signal_colorChanged, this,
            &LMScreenMsgHandlerBorderSetting::slot_updateColor);
    connect(m_colorW2, &KVCLIENT_ColorComboBox::signal_colorChanged, this,
            &LMScreenMsgHandlerBorderSetting::slot_updateHeightColor);
    connect(m_expand, &QCheckBox::clicked, this,
            &LMScreenMsgHandlerBorderSetting::slot_updateHeightColor);
    for (QAbstractButton *b :
         {static_cast<QAbstractButton *>(m_tiled), static_cast<QAbstractButton *>(m_stretched)})
        connect(b, &QAbstractButton::clicked, this,
                &LMScreenMsgHandlerBorderSetting::slot_updateCopyTexture);
    connect(m_scale, &QSlider::valueChanged, this,
            &LMScreenMsgHandlerBorderSetting::slot_updateCopyTexture);

    // The sides' colour shows while the texture leaves the sides to it;
    // the scale while the texture is tiled.
    connect(m_useHeight, &QCheckBox::clicked, m_sides, &QWidget::setVisible);
    connect(m_expand, &QCheckBox::clicked, m_wColor2, &QWidget::setHidden);
    connect(m_scale, &QSlider::valueChanged, m_sizeValue, qOverload<int>(&QLabel::setNum));
    connect(m_tiled, &QRadioButton::clicked, m_sizeRow, &QWidget::setVisible);
    connect(m_stretched, &QRadioButton::clicked, m_sizeRow, &QWidget::setHidden);

    if (m_strip) {
        m_w0->hide();
        m_widths->hide();
    } else {
        m_w1->hide();
        m_count->hide();
        m_type->hide();
    }
    // An open panel follows a loaded design, and the outline's levels.
    connect(&m_design, &LMDesign::loaded, this, &LMScreenMsgHandlerBorderSetting::syncFromDesign);
    connect(&m_design, &LMDesign::outlineChanged, this,
            &LMScreenMsgHandlerBorderSetting::refreshFrameWidths);
    connect(&m_design, &LMDesign::frameChanged, this,
            &LMScreenMsgHandlerBorderSetting::showFittedSize);
    connect(&m_design, &LMDesign::outlineChanged, this,
            &LMScreenMsgHandlerBorderSetting::showFittedSize);
    retranslate();

    connect(m_textEdit, &LMScreenMsgHandlerTextSetting::signal_colorChanged, m_textHelper,
            &BorderTextHelper::slot_colorChanged);
    connect(m_textEdit, &LMScreenMsgHandlerTextSetting::signal_fillcolorChanged, m_textHelper,
            &BorderTextHelper::slot_fillcolorChanged);
    connect(m_textEdit, &LMScreenMsgHandlerTextSetting::signal_sizeIndexChanged, m_textHelper,
            &BorderTextHelper::slot_sizeIndexChanged);
    connect(m_textEdit, &LMScreenMsgHandlerTextSetting::signal_familyIndexChanged, m_textHelper,
            &BorderTextHelper::slot_familyIndexChanged);
    connect(m_textEdit, &LMScreenMsgHandlerTextSetting::signal_boldtextCheckboxChanged,
            m_textHelper, &BorderTextHelper::slot_boldtextCheckboxChanged);
    connect(m_textEdit, &LMScreenMsgHandlerTextSetting::signal_italicizetextCheckboxChanged,
            m_textHelper, &BorderTextHelper::slot_italicizetextCheckboxChanged);
    connect(m_textEdit, &LMScreenMsgHandlerTextSetting::signal_strokeCheckboxChanged, m_textHelper,
            &BorderTextHelper::slot_strokeCheckboxChanged);
    connect(m_textEdit, &LMScreenMsgHandlerTextSetting::signal_widthChanged, m_textHelper,
            &BorderTextHelper::slot_widthChanged);
    connect(m_frameText, &QLineEdit::textChanged, m_textHelper,
            &BorderTextHelper::slot_TextChanged);
    connect(m_separator, &QLineEdit::textChanged, m_textHelper,
            &BorderTextHelper::slot_separatorChanged);
}

LMScreenMsgHandlerBorderSetting::~LMScreenMsgHandlerBorderSetting()
{
    delete m_textHelper;
}

QWidget *LMScreenMsgHandlerBorderSetting::textureRow(const char *group, const char *stem)
{
    auto *row = named(new QWidget(this), group);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(3);
    for (int i = 0; i < 8; ++i) {
        const QString name = QStringLiteral("%1%2").arg(QLatin1String(stem)).arg(i);
        auto *b = fillButton(row, qPrintable(QStringLiteral("btn_") + name));
        b->setProperty("texture", name);
        const QImage texture(QStringLiteral(":/texture/%1.jpg").arg(name));
        if (!texture.isNull())
            b->setIcon(QIcon(QPixmap::fromImage(
                texture.scaled(b->iconSize(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation))));
        b->setToolTip(
            QStringLiteral("<img width=\"200\" height=\"150\" src=\":/texture/%1.jpg\" />")
                .arg(name));
        connect(b, &QPushButton::clicked, this,
                &LMScreenMsgHandlerBorderSetting::slot_ChangeTexture);
        m_fills->addButton(b);
        m_textureButtons << b;
        layout->addWidget(b);
    }
    layout->addStretch();
    return row;
}

void LMScreenMsgHandlerBorderSetting::buildForm()
{
    QGridLayout *grid = makeGrid();
    int row = 0;
    const auto add = [&](QWidget *w) { grid->addWidget(w, row++, 0); };

    m_w0 = named(new QWidget(this), "w0");
    auto *w0Layout = new QHBoxLayout(m_w0);
    w0Layout->setContentsMargins(0, 0, 0, 0);
    m_useBorder = named(new QCheckBox(m_w0), "chk_useborder");
    w0Layout->addWidget(m_useBorder);
    add(m_w0);

    m_wNum = named(new QWidget(this), "w_num");
    auto *numLayout = new QGridLayout(m_wNum);
    numLayout->setContentsMargins(0, 0, 0, 0);
    m_labNum = named(new QLabel(m_wNum), "lab_num");
    m_labNum->setWordWrap(true);
    m_widths = named(new QComboBox(m_wNum), "cob_n");
    m_count = named(new QSpinBox(m_wNum), "spin_n");
    m_count->setRange(1, 3);
    m_type = named(new QComboBox(m_wNum), "cob_type");
    m_type->addItems({QString(), QString()});
    numLayout->addWidget(m_labNum, 0, 0, 1, 3);
    numLayout->addWidget(m_widths, 1, 0);
    numLayout->addWidget(m_count, 1, 1);
    numLayout->addWidget(m_type, 1, 2);
    add(m_wNum);

    m_t3 = named(new QLabel(this), "t3");
    add(m_t3);
    auto *colourRow = new QWidget(this);
    auto *colourLayout = new QHBoxLayout(colourRow);
    colourLayout->setContentsMargins(0, 0, 0, 0);
    m_btnColor = fillButton(colourRow, "btn_color");
    m_btnColor->setProperty("texture", QStringLiteral("color"));
    m_fills->addButton(m_btnColor);
    m_colorW = named(new KVCLIENT_ColorComboBox(colourRow), "colorW");
    colourLayout->addWidget(m_btnColor);
    colourLayout->addWidget(m_colorW, 1);
    add(colourRow);

    m_t0 = named(new QLabel(this), "t0");
    add(m_t0);
    add(textureRow("metal", "metal"));
    m_t1 = named(new QLabel(this), "t1");
    add(m_t1);
    add(textureRow("wood", "wood"));
    m_t2 = named(new QLabel(this), "t2");
    add(m_t2);
    add(textureRow("interest", "interest"));

    m_labCustom = named(new QLabel(this), "lab_custom");
    add(m_labCustom);
    auto *customRow = new QWidget(this);
    auto *customLayout = new QHBoxLayout(customRow);
    customLayout->setContentsMargins(0, 0, 0, 0);
    m_btnLoad = named(new QPushButton(customRow), "btn_load");
    m_btnScreenshot = named(new QPushButton(customRow), "btn_screenshoot");
    customLayout->addWidget(m_btnLoad);
    customLayout->addWidget(m_btnScreenshot);
    add(customRow);

    auto *tilingRow = new QWidget(this);
    auto *tilingLayout = new QHBoxLayout(tilingRow);
    tilingLayout->setContentsMargins(0, 0, 0, 0);
    m_tiled = named(new QRadioButton(tilingRow), "r_copy");
    m_stretched = named(new QRadioButton(tilingRow), "r_expand");
    tilingLayout->addWidget(m_tiled);
    tilingLayout->addWidget(m_stretched);
    tilingLayout->addStretch();
    add(tilingRow);
    m_sizeRow = named(new QWidget(this), "size_w");
    auto *sizeLayout = new QHBoxLayout(m_sizeRow);
    sizeLayout->setContentsMargins(0, 0, 0, 0);
    m_sizeLabel = named(new QLabel(m_sizeRow), "label");
    m_scale = named(new QSlider(Qt::Horizontal, m_sizeRow), "slider_size");
    m_scale->setRange(0, 100);
    m_scale->setSingleStep(10);
    m_scale->setPageStep(10);
    m_sizeValue = named(new QLabel(m_sizeRow), "label_2");
    m_sizeValue->setMinimumWidth(24);
    sizeLayout->addWidget(m_sizeLabel);
    sizeLayout->addWidget(m_scale, 1);
    sizeLayout->addWidget(m_sizeValue);
    add(m_sizeRow);

    m_w1 = named(new QWidget(this), "w1");
    auto *w1Layout = new QVBoxLayout(m_w1);
    w1Layout->setContentsMargins(0, 0, 0, 0);
    m_useHeight = named(new QCheckBox(m_w1), "chk_useheight");
    m_sides = named(new QFrame(m_w1), "frame");
    auto *sidesLayout = new QVBoxLayout(m_sides);
    sidesLayout->setContentsMargins(16, 0, 0, 0);
    m_expand = named(new QCheckBox(m_sides), "chk_expand");
    m_wColor2 = named(new QWidget(m_sides), "w_color2");
    auto *color2Layout = new QHBoxLayout(m_wColor2);
    color2Layout->setContentsMargins(0, 0, 0, 0);
    m_labColor = named(new QLabel(m_wColor2), "lab_color");
    m_colorW2 = named(new KVCLIENT_ColorComboBox(m_wColor2), "colorW2");
    color2Layout->addWidget(m_labColor);
    color2Layout->addWidget(m_colorW2, 1);
    sidesLayout->addWidget(m_expand);
    sidesLayout->addWidget(m_wColor2);
    w1Layout->addWidget(m_useHeight);
    w1Layout->addWidget(m_sides);
    add(m_w1);

    m_useText = named(new QCheckBox(this), "chk_usetext");
    add(m_useText);
    m_editText = named(new QWidget(this), "edt_text");
    auto *textLayout = new QVBoxLayout(m_editText);
    textLayout->setContentsMargins(0, 0, 0, 0);
    m_labText = named(new QLabel(m_editText), "lab_text");
    m_labText->setWordWrap(true);
    // Its line explains the text tool's dragging, which this field does not
    // have; the field says what it is for itself.
    m_labText->hide();
    auto *frameTextRow = new QWidget(m_editText);
    auto *frameTextLayout = new QHBoxLayout(frameTextRow);
    frameTextLayout->setContentsMargins(0, 0, 0, 0);
    m_frameText = named(new QLineEdit(frameTextRow), "frameTextEdt");
    m_frameText->setMaxLength(MaxFrameTextLength);
    m_btnNames = named(new QPushButton(frameTextRow), "btn_names");
    frameTextLayout->addWidget(m_frameText, 1);
    frameTextLayout->addWidget(m_btnNames);
    // What stands between repeats of the text: the usual gap when empty.
    auto *separatorRow = new QWidget(m_editText);
    auto *separatorLayout = new QHBoxLayout(separatorRow);
    separatorLayout->setContentsMargins(0, 0, 0, 0);
    m_labSeparator = named(new QLabel(separatorRow), "lab_separator");
    m_separator = named(new QLineEdit(separatorRow), "separatorEdt");
    m_separator->setMaxLength(MaxSeparatorLength);
    m_labSeparator->setBuddy(m_separator);
    separatorLayout->addWidget(m_labSeparator);
    separatorLayout->addWidget(m_separator, 1);
    m_textEdit = named(new LMScreenMsgHandlerTextSetting(m_editText), "textEdt");
    m_textEdit->rotateCheckBox()->hide();
    // Says when the letters are drawn smaller than chosen, to fit their row.
    m_fittedSize = named(new QLabel(m_editText), "label_fitted");
    m_fittedSize->setWordWrap(true);
    m_fittedSize->hide();
    // Says when not one whole repeat of the text fits along the frame.
    m_noRoom = named(new QLabel(m_editText), "label_noroom");
    m_noRoom->setWordWrap(true);
    m_noRoom->hide();
    textLayout->addWidget(m_labText);
    textLayout->addWidget(frameTextRow);
    textLayout->addWidget(separatorRow);
    textLayout->addWidget(m_textEdit);
    textLayout->addWidget(m_fittedSize);
    textLayout->addWidget(m_noRoom);
    add(m_editText);
    grid->setRowStretch(row, 1);

    // The fill buttons are little plates, lit on hover, blue when chosen.
    setStyleSheet(
        QStringLiteral(
            "QPushButton[texture] { border-image: url(:/images/little_normal.png) 6 6 6 6 stretch "
            "stretch; border-width: 3px; padding: 0; }"
            "QPushButton[texture]:hover { border-image: url(:/images/little_hovered.png) 6 6 6 6 "
            "stretch stretch; }"
            "QPushButton[texture]:checked { border-image: url(:/images/little_checked.png) 6 6 6 6 "
            "stretch stretch; }"
            // A palette set on the field would not outlive the style sheet's next polish.
            "QLineEdit[example=\"true\"] { color: %1; }")
            .arg(palette().color(QPalette::PlaceholderText).name()));
    m_fills->setExclusive(true);
    QMetaObject::connectSlotsByName(this);
}

void LMScreenMsgHandlerBorderSetting::retranslate()
{
    showFittedSize();
    m_t3->setText(lmText(34));
    m_t0->setText(lmText(35));
    m_t1->setText(lmText(36));
    m_t2->setText(lmText(37));
    m_labCustom->setText(lmText(64));
    m_btnLoad->setText(lmText(13));
    m_btnScreenshot->setText(lmText(47));
    m_tiled->setText(lmText(65));
    m_stretched->setText(lmText(66));
    // The table's "Size" is the letters' size, which some languages word as such.
    m_sizeLabel->setText(tr("Size"));
    setWrappedText(m_useBorder, lmText(38));
    setWrappedText(m_useText, lmText(48));
    m_labNum->setText(lmText(m_strip ? 42 : 43));
    m_type->setItemText(0, lmText(99));
    m_type->setItemText(1, lmText(98));
    m_labText->setText(lmText(15));
    m_frameText->setPlaceholderText(lmText(48));
    m_btnNames->setToolTip(
        tr("A list of names, one for each insert, each in place of the frame text"));
    showFrameTextField();
    m_labSeparator->setText(tr("Between repeats:"));
    m_separator->setPlaceholderText(tr("two spaces"));
    m_separator->setToolTip(
        tr("What stands between repeats of the text, along the frame and on the strips, "
           "for example \" · \". Empty: a gap of two spaces."));
    setWrappedText(m_useHeight, lmText(44));
    setWrappedText(m_expand, lmText(45));
    m_labColor->setText(lmText(20));
}

void LMScreenMsgHandlerBorderSetting::syncFromDesign()
{
    // Showing the design's values is no change of them.
    const QList<QObject *> quiet = {m_colorW, m_colorW2,   m_useBorder, m_useText, m_count,
                                    m_type,   m_useHeight, m_expand,    m_tiled,   m_stretched,
                                    m_scale,  m_frameText, m_textEdit,  m_widths,  m_separator};
    std::vector<QSignalBlocker> blockers;
    blockers.reserve(quiet.size());
    for (QObject *o : quiet)
        blockers.emplace_back(o);

    const LMViewFlags &flags = m_design.flags();
    m_colorW->setColor(m_design.frameColor());
    m_btnColor->setIcon(swatch(m_design.frameColor()));
    m_colorW2->setColor(m_design.sideColor());
    m_useBorder->setChecked(flags.frameEffectOn() || m_strip);
    m_useText->setChecked(flags.frameTextOn());
    const QString name = m_design.textureName();
    uncheckFillButtons();
    for (QAbstractButton *b : m_fills->buttons()) {
        if (!name.isEmpty() && b->property("texture").toString() == name) {
            b->setChecked(true);
            break;
        }
    }
    m_count->setValue(qBound(1, flags.stripCount(), 3));
    m_type->setCurrentIndex(flags.stripType() ? 1 : 0);
    m_useHeight->setChecked(flags.useHeight());
    m_sides->setVisible(flags.useHeight());
    m_expand->setChecked(flags.expandToSides());
    m_tiled->setChecked(flags.textureTiled());
    m_stretched->setChecked(!flags.textureTiled());
    m_scale->setValue(flags.textureScale());
    m_sizeValue->setNum(flags.textureScale());
    m_sizeRow->setVisible(flags.textureTiled());
    m_wColor2->setVisible(!flags.expandToSides());
    const LMFrameTextSettings &text = m_design.frameText();
    m_textEdit->init(text.edgeColor(), text.fillColor(), text.edgeWidth(),
                     QString::number(text.font().pointSize()), text.font().family(),
                     text.font().weight() > QFont::Normal,
                     text.font().style() != QFont::StyleNormal, text.strokeOn());
    m_separator->setText(text.separator());
    blockers.clear();
    showFrameTextField();
    enableTextControls();
    refreshFrameWidths();
    showFittedSize();
}

void LMScreenMsgHandlerBorderSetting::refreshFrameWidths()
{
    if (m_strip)
        return;
    const QSignalBlocker quiet(m_widths);
    const int levels = m_design.frameLevelCount();
    const int wanted = qMin(levels, int(widthNames().size()));
    while (m_widths->count() > wanted)
        m_widths->removeItem(m_widths->count() - 1);
    while (m_widths->count() < wanted)
        m_widths->addItem(widthNames().at(m_widths->count()));
    const int level = m_design.flags().frameIndex();
    if (level >= 1 && level <= m_widths->count())
        m_widths->setCurrentIndex(level - 1);
    const QSignalBlocker quietType(m_type);
    m_type->setCurrentIndex(m_design.flags().stripType() ? 1 : 0);
}

void LMScreenMsgHandlerBorderSetting::showFittedSize()
{
    const LMFrameTextSettings &text = m_design.frameText();
    LMStripGeometry strips;
    strips.thin = m_design.flags().stripType();
    const QFont drawn = text.fontForRow(strips.rowPitch());
    const bool reduced = drawn != text.font();
    m_fittedSize->setVisible(reduced);
    if (reduced) {
        const int size = drawn.pixelSize() > 0 ? drawn.pixelSize() : int(drawn.pointSizeF());
        m_fittedSize->setText(
            strips.thin ? tr("Drawn at size %1: the most a thin strip holds.").arg(size)
                        : tr("Drawn at size %1: the most a thick strip holds.").arg(size));
    }
    // Along a small or tightly bent frame a long text may find no stretch
    // to stand on whole; then nothing is drawn, and the panel says why.
    const LMViewFlags &flags = m_design.flags();
    bool noRoom = false;
    if (!m_strip && flags.frameEffectOn() && flags.frameTextOn() && flags.frameIndex() >= 3 &&
        !text.text().trimmed().isEmpty()) {
        LMFrameTextSettings trial = text;
        const LMOutlineShapes &shapes = m_design.shapes();
        const auto placed = LMFrameTextPainter::layout(shapes.outline, trial, flags.frameIndex(),
                                                       strips.thin, &shapes.frame);
        noRoom = std::none_of(placed.cbegin(), placed.cend(),
                              [](const LMFrameTextPainter::Placed &p) { return !p.separator; });
    }
    m_noRoom->setVisible(noRoom);
    if (noRoom)
        m_noRoom->setText(tr("No side of this frame holds the whole text at this size: choose a "
                             "smaller size or a shorter text."));
}

void LMScreenMsgHandlerBorderSetting::enableTextControls()
{
    const bool on = m_design.flags().frameEffectOn() || m_strip;
    m_useText->setEnabled(on);
    m_wNum->setEnabled(on);
    m_editText->setEnabled(on && m_design.flags().frameTextOn());
}

void LMScreenMsgHandlerBorderSetting::showFrameTextField()
{
    const int names = int(m_design.frameTextNames().size());
    const QSignalBlocker quiet(m_frameText); // showing a name is no edit of the own text
    m_frameText->setText(m_design.frameText().text());
    m_frameText->setReadOnly(names > 0);
    // Greyed like a placeholder (see the panel's style sheet): an example,
    // not what the user typed.
    if (m_frameText->property("example").toBool() != (names > 0)) {
        m_frameText->setProperty("example", names > 0);
        m_frameText->style()->unpolish(m_frameText);
        m_frameText->style()->polish(m_frameText);
    }
    // The button counts the names, so a list in use is seen without hovering.
    m_btnNames->setText(names > 0 ? tr("Names (%1)…").arg(names) : tr("Names…"));
    m_frameText->setToolTip(
        names > 0 ? tr("Names: %1. Each insert takes one of them in place of the frame text; "
                       "the first is shown here.")
                        .arg(names)
                  : QString());
}

void LMScreenMsgHandlerBorderSetting::on_btn_names_clicked()
{
    if (const auto names = LMNamesDialog::ask(this, m_design.frameTextNames())) {
        m_design.setFrameTextNames(*names);
        showFrameTextField();
    }
}

void LMScreenMsgHandlerBorderSetting::frameShown()
{
    m_design.setFrameEffectOn(true);
    const QSignalBlocker quiet(m_useBorder);
    m_useBorder->setChecked(true);
    enableTextControls();
}

void LMScreenMsgHandlerBorderSetting::uncheckFillButtons()
{
    m_fills->setExclusive(false);
    for (QAbstractButton *b : m_fills->buttons())
        b->setChecked(false);
    m_fills->setExclusive(true);
}

void LMScreenMsgHandlerBorderSetting::slot_ChangeTexture()
{
    auto *button = qobject_cast<QAbstractButton *>(sender());
    if (!button)
        return;
    m_design.setTexture(button->property("texture").toString());
    frameShown();
    button->setChecked(true);
    const QSignalBlocker quiet(m_scale);
    m_scale->setValue(m_design.flags().textureScale());
    m_sizeValue->setNum(m_scale->value());
}

void LMScreenMsgHandlerBorderSetting::slot_updateColor()
{
    m_design.setFrameColor(m_colorW->color());
    m_btnColor->setIcon(swatch(m_colorW->color()));
    frameShown();
    m_btnColor->setChecked(true);
    const QSignalBlocker quiet(m_scale);
    m_scale->setValue(100);
    m_sizeValue->setNum(100);
}

void LMScreenMsgHandlerBorderSetting::setCustomPicture(const QPixmap &picture)
{
    if (picture.isNull())
        return;
    m_design.setFramePicture(picture.toImage());
    frameShown();
    uncheckFillButtons();
    const QSignalBlocker quiet(m_scale);
    m_scale->setValue(100);
    m_sizeValue->setNum(100);
}

void LMScreenMsgHandlerBorderSetting::on_btn_load_clicked()
{
    const QString name = LMFileDialog::askPicture(this, lmText(32));
    if (name.isEmpty())
        return;
    if (lmPictureReadable(nullptr, name))
        setCustomPicture(QPixmap::fromImage(LMFiles::readPicture(name).image));
}

void LMScreenMsgHandlerBorderSetting::on_btn_screenshoot_clicked()
{
    LMScreenshotHelper helper;
    QPixmap captured;
    if (helper.capture(captured))
        setCustomPicture(captured);
}

void LMScreenMsgHandlerBorderSetting::slot_updateHeightColor()
{
    m_design.setExpandToSides(m_expand->isChecked());
    m_design.setSideColor(m_colorW2->color());
}

void LMScreenMsgHandlerBorderSetting::slot_updateCopyTexture()
{
    m_design.setTextureTiling(m_tiled->isChecked(), m_scale->value());
}

void LMScreenMsgHandlerBorderSetting::on_chk_useborder_clicked(bool checked)
{
    m_design.setFrameEffectOn(checked);
    if (!m_strip)
        enableTextControls();
}

void LMScreenMsgHandlerBorderSetting::on_chk_usetext_clicked(bool on)
{
    m_design.setFrameTextOn(on);
    enableTextControls();
}

void LMScreenMsgHandlerBorderSetting::on_cob_n_currentIndexChanged(int index)
{
    if (index < 0 || m_design.flags().frameIndex() == index + 1)
        return;
    m_design.setFrameLevel(index + 1); // rebuilds the ring and marks the design
}

void LMScreenMsgHandlerBorderSetting::on_cob_type_currentIndexChanged(int index)
{
    m_design.setStripType(index == 1);
}

void LMScreenMsgHandlerBorderSetting::on_spin_n_valueChanged(int count)
{
    m_design.setStripCount(count);
}

void LMScreenMsgHandlerBorderSetting::on_chk_useheight_clicked(bool on)
{
    m_design.setUseHeight(on);
}
