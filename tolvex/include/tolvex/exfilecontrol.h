#pragma once

#include <string>

#include "tolvex/bitmap.h"
#include "tolvex/fileui.h"
#include "tolvex/stdiofile.h"
#include "tolvex/tolvex_export.h"

// Opens data files named by a base name, a folder and an extension, letting
// the user confirm or choose the file in a dialog, and saves pictures as BMP
// files. Dialogs and messages go through tolvex::FileUserInterface(), so the
// program decides how they look and tests answer them from a script.
//
// Conventions of every operation:
// - The path is folder + '/' + base + '.' + ext; an empty folder means the
//   current directory, which is read but never changed.
// - Name comparisons are exact and case-sensitive.
// - Cancelling a dialog opens nothing, writes nothing and returns 0 (or an
//   empty path).
// - The operations with a save dialog report a file they cannot create
//   themselves: a message box (stop icon) naming the file and the reason,
//   then the dialog again, until the file opens or the user cancels. Later
//   failures of a text file (writes, Close) are the caller's to show, from
//   CStdioFile::GetErrorMessage().
// - Text files are opened in the modes of CStdioFile: a writing mode
//   changes the file only when the caller's Close succeeds.
class TOLVEX_API CExFileControl {
  public:
    CExFileControl();
    CExFileControl(const CExFileControl& other);
    CExFileControl& operator=(const CExFileControl& other);
    virtual ~CExFileControl();

    // Opens folder/base.ext for reading, without a dialog when it opens.
    // Otherwise asks "Can not find a file (base.ext Files ), Serch other
    // folder ?" (Yes/No, exclamation); on Yes an open dialog ("base Files
    // (*.ext)") lets the user find the file: a file named other than base.ext
    // is refused with " Not Correct File ! " and the question comes again
    // for the previous path; the right name is tried in its own folder.
    // 1 when open; 0 on No or Cancel.
    int OpenDataFileRead(const std::string& base, const std::string& folder, const std::string& ext,
                         CStdioFile& file) const;
    // A save dialog ("base Files (*.ext)", proposing folder/base.ext, asking
    // before an existing file is chosen) and the chosen file, of any name,
    // opened for appending. 1 when open; 0 on Cancel.
    int OpenDataFileSave(const std::string& base, const std::string& folder, const std::string& ext,
                         CStdioFile& file) const;
    // A save dialog ("ext Files (*.ext)", proposing folder/base.ext, asking
    // before an existing file is chosen): a file named other than exactly
    // base.ext is refused with " Not Correct File ! " and the dialog comes
    // again in the chosen folder; the right name is opened for overwriting.
    // 1 when open; 0 on Cancel.
    int OpenDataFileSaveNew(const std::string& base, const std::string& folder,
                            const std::string& ext, CStdioFile& file) const;
    // folder/base.ext opened for overwriting or appending without a dialog
    // or a message; 0 when it cannot be (the reason in file.GetError()).
    int OpenDataFileOverWrite(const std::string& base, const std::string& folder,
                              const std::string& ext, CStdioFile& file) const;
    int OpenDataFileAppendWrite(const std::string& base, const std::string& folder,
                                const std::string& ext, CStdioFile& file) const;
    // An open dialog ("base Files (*.ext)" and "Text Files (*.txt)",
    // proposing folder/base.ext, a new name allowed after the user confirmed
    // it): the chosen absolute path, or "" on Cancel.
    std::string GetFullPass(const std::string& base, const std::string& folder,
                            const std::string& ext) const;

    // Saves the image as a BMP file (see tolvex::EncodeBitmap) with bpp 1, 4,
    // 8, 16, 24 or 32. A save dialog ("Bitmap Files (*.bmp)") proposes
    // folder/name.bmp, with every '/' of the name turned into '_' so that a
    // name cannot point into another folder; the file is written to the full
    // path chosen, which may lie in any folder. 1 when written; 0 with no
    // dialog for an empty name, an empty or short image or another bit count;
    // 0 on Cancel. A file that cannot be written is reported (stop icon, the
    // file and the reason) and the dialog comes again; an earlier file of the
    // chosen name stays as it was.
    int BitmapFileSave(const std::string& name, const tolvex::RgbImage& image, int bpp,
                       const std::string& folder = {}) const;
};
