#pragma once
// The user's guide, shipped inside the program: a window of its own with the manual's pages
// (HTML in the resources under :/help), and the menu "Pomocník" that opens it and the box
// "O programe Vortalin".
//
// A geometry's page is written once in HTML (its sketch and what it is) and completed when
// shown: its title and the fields its calculation reads, with their meaning, come from the
// field table that the tooltips and the command line's help also read, so that they agree.

#include "app/form/Selections.h"

#include <QString>
#include <QTextBrowser>
#include <QWidget>

#include <functional>

class QMainWindow;

namespace vortalin {

// The guide's page of a geometry, relative to :/help ("geometria-pipe.html").
QString GeometryPage(Geometry geometry);

// The completed text of a guide page: the file's HTML with a geometry page's title, fields
// and equations filled in. Empty for a page the guide does not have.
QString HelpPageHtml(const QString& page);

// The text of "O programe Vortalin": version, copyright and license, Qt, accuracy page.
QString AboutText();

class HelpBrowser final : public QTextBrowser {
    Q_OBJECT
public:
    using QTextBrowser::QTextBrowser;
    // The pages come completed.
    QVariant loadResource(int type, const QUrl& name) override;
};

class HelpWindow final : public QWidget {
    Q_OBJECT
public:
    // A window of its own above `parent`; hidden until a page is shown, closing hides it.
    explicit HelpWindow(QWidget& parent);

    // Shows the page ("index.html", GeometryPage(...)) and brings the window forward.
    void ShowPage(const QString& page);
    QString CurrentPage() const;

private:
    HelpBrowser* browser_;
};

// Adds the menu "Pomocník" with "Používateľská príručka" (F1: the page of the geometry
// `selected` returns) and "O programe Vortalin".
void AddHelpMenu(QMainWindow& window, HelpWindow& help, std::function<Geometry()> selected);

} // namespace vortalin
