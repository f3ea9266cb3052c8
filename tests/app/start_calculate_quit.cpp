// The program's whole life in one run: start the window as the program does,
// type a car, choose the typed frontal area, calculate, and leave by "Salir".
// It fails unless the sentence was shown and the event loop ended by itself.
// Built without Qt Test, so that its peak memory is the program's own.

#include "kinetra/form1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <utility>

using namespace kinetra;

namespace {

constexpr int kFailed = 1;
constexpr int kSecondsBeforeGivingUp = 10;

void TypeSaloon(const Form1& form)
{
    const std::pair<int, const char*> typing[] = {{1, "3.5"}, {2, "2.1"}, {3, "1.4"},   {4, "1.0"},     {7, "4.1"},
                                                  {8, "0"},   {9, "28"},  {11, "1200"}, {12, "195"},    {17, "65"},
                                                  {18, "15"}, {22, "60"}, {21, "0.9"},  {20, "-0.006"}, {25, "2"}};
    for (const auto& [box, text] : typing) {
        form.findChild<QLineEdit*>(QStringLiteral("Text%1").arg(box))->setText(QString::fromLatin1(text));
    }
}

void Click(const Form1& form, const char* name)
{
    form.findChild<QAbstractButton*>(QString::fromLatin1(name))->click();
}

// Runs `then` once the window has been painted for the first time, as a
// user would see it before typing. Any of its widgets may be the first one
// painted (the form lies inside a scroll area), so the whole application is
// watched.
class AfterFirstPaint : public QObject {
public:
    explicit AfterFirstPaint(std::function<void()> then) : then_(std::move(then))
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && then_) {
            QTimer::singleShot(0, this, std::exchange(then_, nullptr));
            QCoreApplication::instance()->removeEventFilter(this);
        }
        return false;
    }

private:
    std::function<void()> then_;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    Form1 form;
    form.ShowAtStart();

    QString sentence;
    const AfterFirstPaint user([&form, &sentence] {
        TypeSaloon(form);
        Click(form, "Option1");
        Click(form, "Command1");
        sentence = form.findChild<QLabel*>(QStringLiteral("Label31"))->text();
        Click(form, "Command2");
    });
    QTimer::singleShot(kSecondsBeforeGivingUp * 1000, &application, [] { QApplication::exit(kFailed); });

    const int status = QApplication::exec();
    if (status != 0 || !sentence.startsWith(QStringLiteral("   El resultado final es: Marcha inicial: "))) {
        std::fprintf(stderr, "no result sentence (exit %d): \"%s\"\n", status, qPrintable(sentence));
        return kFailed;
    }
    return 0;
}
