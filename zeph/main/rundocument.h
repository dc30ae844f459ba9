#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class CRunHistory;
class CZephDlgJ;
class QAction;
class QMenu;

// The file a run is kept in (see run/runfile.h): opening, saving, the last
// files used, and the window title, which names the file and marks unsaved
// changes with "*". The run is unsaved while the undo stack stands anywhere
// but where it stood when the file was last saved or opened.
class CRunDocument : public QObject {
    Q_OBJECT

  public:
    // How many files the recent list keeps.
    static constexpr int kRecentCount = 5;

    // Made once the window's history exists; adds the keys Ctrl+O, Ctrl+S
    // and Ctrl+Shift+S.
    CRunDocument(CZephDlgJ& window, CRunHistory& history);

    // The file the run was last saved to or opened from; empty when none.
    QString Path() const { return m_path; }
    bool Modified() const;

    // 開く: unsaved changes offered for saving, then the open dialog.
    void Open();
    // Opens path (from the command line or the recent list) once unsaved
    // changes were offered for saving: the run is replaced only by a whole
    // file that reads as a run; anything else is refused with a message
    // naming the file and the reason, the run untouched. True when opened.
    bool OpenPath(const QString& path);
    // 上書き保存: to the file, or as Save As when the run has none.
    bool Save();
    // 名前を付けて保存: a save dialog proposing the system name in the
    // documents folder.
    bool SaveAs();
    // Unsaved changes offered for saving (Save / Discard / Cancel): false
    // when the user cancelled, or a save failed or was cancelled.
    bool OfferToSave();

    // The recent files, newest first, that still exist.
    QStringList RecentFiles() const;
    // The items of the context menu, added with add(command, text, enabled):
    // open, save, save as; and the submenu of recent files, made by
    // submenu(command, text), whose items carry the commands
    // kRecentFirst … in the order of RecentFiles().
    void AddMenuItems(const std::function<QAction*(int, const QString&, bool)>& add,
                      const std::function<QMenu*(int, const QString&)>& submenu);
    // A recent-files item chosen: opens that file.
    void OpenRecent(int index);
    // Names the file and its state in the window's title, in the language
    // of the interface.
    void UpdateTitle();

  private:
    CZephDlgJ& m_window;
    CRunHistory& m_history;
    QString m_path;

    bool SaveTo(const QString& path);
    void Remember(const QString& path);
};
