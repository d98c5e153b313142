#pragma once

#include <QString>
#include <QStringList>

// Project files and small sites built in code, in the forms the program meets on disk.
namespace sitefixture {

struct Project
{
    QString name;
    QStringList files;
    QString menuText; // CR LF line breaks, stored escaped
};

// The text of "mprj.xml" in the layout the program writes.
QString projectFileText(const QList<Project>& projects, const QString& lastProject);

// A page with the menu between the markers (or without markers when menu is empty).
QString pageText(const QString& title, const QString& menu);

// A menu of links to a.html, b.html and c.html.
QString siteMenu();

// Writes and reads whole files in Shift_JIS with the line ends given.
void writeText(const QString& path, const QString& text);
QString readText(const QString& path);

} // namespace sitefixture
