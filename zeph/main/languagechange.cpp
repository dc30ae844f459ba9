#include <QEvent>
#include <QLabel>
#include <QLayout>
#include <QScrollArea>
#include <QStyle>

#include "capacity/autoeqcresultdlg.h"
#include "dialogs/coilcapdlgj.h"
#include "dialogs/generaldlgj.h"
#include "gui/keptinputs.h"
#include "gui/language.h"
#include "gui/staticgraph.h"
#include "gui/textfit.h"
#include "main/rundocument.h"
#include "main/undocommands.h"
#include "main/zephdlgj.h"

// The main window in the interface's language, and its change while the
// program runs.

namespace {

// Makes the tool window tool anew with make; an open one opens again where
// it was, with what was typed in it.
template <typename Tool, typename Make>
void Remake(Tool*& tool, const Make& make) {
    if (tool == nullptr) {  // gone with the run's finish
        return;
    }
    const bool open = tool->IsOpen();
    const zeph::KeptInputs inputs = open ? zeph::KeepInputs(tool) : zeph::KeptInputs{};
    delete tool;
    tool = make();
    if (open) {
        tool->Create();
        zeph::RestoreInputs(tool, inputs);
    }
}

}  // namespace

void CZephDlgJ::OnText(std::function<void()> apply) {
    apply();
    m_texts.push_back(std::move(apply));
}

QLabel* CZephDlgJ::Label(std::function<QString()> text) {
    auto* label = new QLabel(this);
    OnText([label, text = std::move(text)] { label->setText(text()); });
    return label;
}

void CZephDlgJ::FitRightPanel() {
    // 300 pixels, as the Japanese texts need; wider when the labels of the
    // interface's language or the desktop's font need more.
    const int width = zeph::FixWidthForTexts(m_rightPanelContents, 300);
    m_rightPanel->setFixedWidth(width + style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2);
}

void CZephDlgJ::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange && m_document != nullptr) {
        RetranslateUi();
    }
    QDialog::changeEvent(event);
}

void CZephDlgJ::RetranslateUi() {
    zeph::ApplyInterfaceFont(this);
    for (const std::function<void()>& apply : m_texts) {
        apply();
    }
    FitRightPanel();
    layout()->activate();  // the chart takes the width the panel leaves at once
    m_document->UpdateTitle();
    m_history->Retranslate();
    m_Graph->update();

    Remake(m_pCalculatorDlg, [this] { return new CGeneralDlgJ(this, this); });
    Remake(m_pCoilCapDlg, [this] { return new CCoilCapDlgJ(this, this); });
    for (CToolDlg* tool :
         {static_cast<CToolDlg*>(m_pCalculatorDlg), static_cast<CToolDlg*>(m_pCoilCapDlg)}) {
        ConnectToolWindow(tool);
    }
    if (m_pEqcResultDlg->IsOpen()) {
        const QRect where = m_pEqcResultDlg->Window()->geometry();
        m_pEqcResultDlg->DestroyWindow();
        m_pEqcResultDlg->Create();
        m_pEqcResultDlg->Window()->setGeometry(where);
    }
}
