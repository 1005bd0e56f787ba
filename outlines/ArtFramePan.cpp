#include "outlines/ArtFramePan.h"

#include "model/LMDesign.h"
#include "model/outlines/LMArtFrameFactory.h"
#include "outlines/ArtFrameButton.h"

#include <QButtonGroup>

ArtFramePan::ArtFramePan(LMDesign *design, int groupIndex, QButtonGroup *exclusive, QWidget *parent)
    : QWidget(parent), m_design(design), m_groupIndex(groupIndex), m_exclusive(exclusive)
{
}

void ArtFramePan::showEvent(QShowEvent *event)
{
    LMArtFrameFactory *catalogue = m_design->catalogue();
    const LMArtFrameFactory::ConfigGroup *group =
        catalogue ? catalogue->group(m_groupIndex) : nullptr;
    if (group && m_buttons.size() < group->count()) {
        for (int i = int(m_buttons.size()); i < group->count(); ++i) {
            auto *button = new ArtFrameButton(m_design, m_groupIndex, i, this);
            m_exclusive->addButton(button);
            button->setChecked(m_design->outlineGroup() == m_groupIndex &&
                               m_design->outlineIndex() == i);
            button->update();
            m_buttons << button;
        }
    }
    layoutButtons();
    QWidget::showEvent(event);
}

void ArtFramePan::resizeEvent(QResizeEvent *event)
{
    layoutButtons();
    QWidget::resizeEvent(event);
}

void ArtFramePan::layoutButtons()
{
    const int columns = width() / MinColumnWidth;
    if (columns <= 0 || m_buttons.isEmpty())
        return; // too narrow for a single column: nothing to place yet
    const int cell = width() / columns;
    for (int k = 0; k < m_buttons.size(); ++k) {
        ArtFrameButton *button = m_buttons[k];
        button->setFixedSize(cell, RowHeight);
        button->setGeometry((k % columns) * cell, (k / columns) * RowHeight, cell, RowHeight);
        button->show();
        button->raise();
    }
    const int rows = (int(m_buttons.size()) - 1 + columns) / columns;
    setFixedHeight(rows * RowHeight + 6);
}
