// Documents: the drawings open in the editor, one of them current, each with
// its own database. Modules reach them through acDocManagerPtr().
#pragma once

class AcDbDatabase;

class AcApDocument {
public:
  virtual ~AcApDocument() = default;
  // The document's drawing; never null while the document is open.
  virtual AcDbDatabase* database() const = 0;
  // The drawing's file name as opened or last saved ("" for a new drawing).
  virtual const char* fileName() const = 0;
  // The title shown for the document: the file's base name, or "Drawing1.dxf".
  virtual const char* docTitle() const = 0;
};

class AcApDocManager {
public:
  virtual ~AcApDocManager() = default;
  // The current document, or null when none is open.
  virtual AcApDocument* curDocument() const = 0;
  // The document commands work in (the current one).
  virtual AcApDocument* mdiActiveDocument() const = 0;
  virtual int documentCount() const = 0;
  // The document at a position in opening order, or null.
  virtual AcApDocument* documentAt(int index) const = 0;
};

// The host's document manager (never null).
AcApDocManager* acDocManagerPtr();
#define acDocManager acDocManagerPtr()
// The current document, or null.
AcApDocument* curDoc();
