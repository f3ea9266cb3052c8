#include "kinetra/form1.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

using namespace Qt::Literals::StringLiterals;

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(u"Kinetra"_s);
    // Lets the desktop match the window to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(u"kinetra"_s);

    // The whole window speaks Spanish, the menus of the text boxes too,
    // whatever the desktop's language.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Spanish), u"qtbase"_s, u"_"_s,
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&qtTexts);
    }

    kinetra::Form1 form;
    form.ShowAtStart();
    return QApplication::exec();
}
