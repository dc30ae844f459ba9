#include "main/rundocument.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QKeySequence>
#include <QMenu>
#include <QSettings>
#include <QUndoStack>

#include "gui/fileui.h"
#include "gui/ui.h"
#include "main/undocommands.h"
#include "main/zephdlgj.h"
#include "run/runfile.h"
#include "run/zephrun.h"

namespace {

using zeph::MsgAnswer;
using zeph::MsgButtons;
using zeph::MsgIcon;

constexpr const char* kRecentKey = "recentFiles";
// The title of a window whose run has no file yet.
constexpr const char* kUntitled = QT_TRANSLATE_NOOP("CRunDocument", "無題");

QSettings Settings() {
    return QSettings(QStringLiteral("Zeph"), QStringLiteral("Zeph"));
}

QString Shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QStringList FileFilters() {
    return {CRunDocument::tr("Zeph 作業ファイル (*.zeph)"),
            CRunDocument::tr("すべてのファイル (*)")};
}

}  // namespace

CRunDocument::CRunDocument(CZephDlgJ& window, CRunHistory& history)
    : m_window(window), m_history(history) {
    const struct {
        QList<QKeySequence> keys;
        bool (CRunDocument::*command)();
    } keys[] = {
        {{QKeySequence(Qt::CTRL | Qt::Key_S)}, &CRunDocument::Save},
        {{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)}, &CRunDocument::SaveAs},
    };
    for (const auto& k : keys) {
        auto* action = new QAction(&window);
        action->setShortcuts(k.keys);
        connect(action, &QAction::triggered, this,
                [this, command = k.command] { (this->*command)(); });
        window.addAction(action);
    }
    auto* open = new QAction(&window);
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    connect(open, &QAction::triggered, this, &CRunDocument::Open);
    window.addAction(open);

    connect(history.Stack(), &QUndoStack::cleanChanged, this, &CRunDocument::UpdateTitle);
    UpdateTitle();
}

bool CRunDocument::Modified() const {
    return !m_history.Stack()->isClean();
}

void CRunDocument::UpdateTitle() {
    const QString name = m_path.isEmpty() ? tr(kUntitled) : QFileInfo(m_path).fileName();
    m_window.setWindowTitle(name + QStringLiteral("[*] - Psychrometric Chart"));
    m_window.setWindowModified(Modified());
}

// --- opening -------------------------------------------------------------------------

void CRunDocument::Open() {
    if (!OfferToSave()) {
        return;
    }
    zeph::FileDialogRequest request;
    request.caption = tr("開く");
    QString folder = zeph::DocumentsFolder();
    request.proposedPath = !m_path.isEmpty()  ? m_path
                           : folder.isEmpty() ? QDir::currentPath()
                                              : folder;
    request.nameFilters = FileFilters();
    const std::optional<QString> chosen = zeph::Ui().OpenFileDialog(&m_window, request);
    if (chosen) {
        OpenPath(*chosen);
    }
}

bool CRunDocument::OpenPath(const QString& path) {
    const RunFileResult read = LoadRunFile(path);
    if (!read.state) {
        zeph::ShowMessage(tr("ファイル「%1」を開けません。\n%2").arg(Shown(path), read.reason),
                          MsgIcon::Exclamation);
        return false;
    }
    m_history.Restore(CRunHistory::Snapshot{*read.state, false});
    m_history.Clear();
    m_path = QFileInfo(path).absoluteFilePath();
    Remember(m_path);
    UpdateTitle();
    return true;
}

// --- saving --------------------------------------------------------------------------

bool CRunDocument::Save() {
    return m_path.isEmpty() ? SaveAs() : SaveTo(m_path);
}

bool CRunDocument::SaveAs() {
    m_window.UpdateData(true);
    zeph::FileDialogRequest request;
    request.caption = tr("名前を付けて保存");
    request.proposedPath =
        m_path.isEmpty() ? zeph::ProposedFilePath(m_window.Run().SystemNameOr(m_window.m_strSystem),
                                                  kRunFileSuffix)
                         : m_path;
    request.defaultSuffix = kRunFileSuffix;
    request.nameFilters = FileFilters();
    request.overwritePrompt = true;
    const std::optional<QString> chosen = zeph::Ui().SaveFileDialog(&m_window, request);
    return chosen && SaveTo(*chosen);
}

bool CRunDocument::SaveTo(const QString& path) {
    QString reason;
    if (!SaveRunFile(path, m_window.Run().State(), &reason)) {
        // The old file is as it was; the changes stay unsaved.
        zeph::ShowMessage(tr("ファイル「%1」に保存できません。\n%2").arg(Shown(path), reason),
                          MsgIcon::Stop);
        return false;
    }
    m_path = QFileInfo(path).absoluteFilePath();
    m_history.Stack()->setClean();
    Remember(m_path);
    UpdateTitle();
    return true;
}

bool CRunDocument::OfferToSave() {
    if (!Modified()) {
        return true;
    }
    const QString name = m_path.isEmpty() ? tr(kUntitled) : QFileInfo(m_path).fileName();
    switch (zeph::ShowMessage(tr("「%1」の変更を保存しますか?").arg(name), MsgIcon::Question,
                              MsgButtons::SaveDiscardCancel)) {
        case MsgAnswer::Yes:
            return Save();
        case MsgAnswer::No:
            return true;
        case MsgAnswer::Ok:
        case MsgAnswer::Cancel:
            break;
    }
    return false;
}

// --- the recent files ------------------------------------------------------------------

QStringList CRunDocument::RecentFiles() const {
    QStringList files;
    for (const QString& path : Settings().value(QLatin1String(kRecentKey)).toStringList()) {
        if (QFileInfo(path).isFile() && files.size() < kRecentCount) {
            files << path;
        }
    }
    return files;
}

void CRunDocument::Remember(const QString& path) {
    QStringList files = RecentFiles();
    files.removeAll(path);
    files.prepend(path);
    Settings().setValue(QLatin1String(kRecentKey), files.mid(0, kRecentCount));
}

void CRunDocument::OpenRecent(int index) {
    const QStringList files = RecentFiles();
    if (index >= 0 && index < files.size() && OfferToSave()) {
        OpenPath(files.at(index));
    }
}

void CRunDocument::AddMenuItems(const std::function<QAction*(int, const QString&, bool)>& add,
                                const std::function<QMenu*(int, const QString&)>& submenu) {
    add(CZephDlgJ::ID_OPEN, tr("開く..."), true)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    add(CZephDlgJ::ID_SAVE, tr("上書き保存"), true)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    add(CZephDlgJ::ID_SAVE_AS, tr("名前を付けて保存..."), true)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    const QStringList files = RecentFiles();
    QMenu* recent = submenu(CZephDlgJ::ID_RECENT, tr("最近使ったファイル"));
    recent->setEnabled(!files.isEmpty());
    for (int i = 0; i < files.size(); ++i) {
        QAction* item =
            recent->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(Shown(files.at(i))));
        item->setObjectName(QString::number(CZephDlgJ::ID_RECENT_FIRST + i));
        item->setData(CZephDlgJ::ID_RECENT_FIRST + i);
    }
}
