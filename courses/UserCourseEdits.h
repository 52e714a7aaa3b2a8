#pragma once
// USER.TXT as the course editor reads and writes it, over the file's bytes:
// every byte stays where it was except the hole lines the player changed.

#include <QByteArray>
#include <QList>
#include <QString>
#include <array>
#include <optional>

namespace courses {

// A hole line in the file's bytes.
struct HoleLineSpan {
    qsizetype lineNumber;  // from 1
    qsizetype at;          // the "@"
    qsizetype contentEnd;  // after the hole string, before trailing spaces
    qsizetype end;         // the next line's first byte
};

// Every hole line of the file in order, also those after the 18th.
QList<HoleLineSpan> HoleLineSpans(const QByteArray& file);

// Hole strings by hole, hole 1 first; nullopt where there is none.
using HoleRows = std::array<std::optional<QString>, 18>;

// The file as the editor opens it.
struct EditableCourse {
    HoleRows rows;      // nullopt: no hole line, or one the game cannot read
    QString problem;    // what the player is told on opening; empty when all is well
    bool whole = true;  // false: a hole line could not be read, so the file is never replaced
};

EditableCourse ReadCourseForEditing(const QByteArray& file);

// The file's bytes with each hole given in changed written into its own hole
// line, in place (the indentation, trailing spaces and line end stay), and
// the holes the file has no line for added after its last hole line, with the
// file's own line end. An empty file starts with a title line. nullopt when a
// hole has no code page 932 form.
std::optional<QByteArray> WithChangedHoles(const QByteArray& file, const HoleRows& changed);

}  // namespace courses
