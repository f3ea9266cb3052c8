#include "kinetra/form1.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

namespace kinetra {

// A run-time error report: the window stays usable once it is dismissed, and
// the result keeps the last sentence.
void Form1::ReportFault(const CalcFault& fault)
{
    if (faultReport_ == nullptr) {
        faultReport_ = new QMessageBox(this);
        faultReport_->setObjectName(u"FaultReport"_s);
        faultReport_->setIcon(QMessageBox::Critical);
        faultReport_->setStandardButtons(QMessageBox::Ok);
        faultReport_->button(QMessageBox::Ok)->setText(u"Aceptar"_s);
        faultReport_->setTextFormat(Qt::PlainText);
        connect(faultReport_, &QMessageBox::finished, this, &Form1::FocusReportedBox);
    }
    faultReport_->setWindowTitle(FaultTitle(fault.kind()));
    faultReport_->setText(fault.message());
    reportedBox_ = fault.box();
    faultReport_->open();
}

// Once the report is read, typing goes to the box it points at and replaces
// its text.
void Form1::FocusReportedBox()
{
    if (!reportedBox_) {
        return;
    }
    QLineEdit* box = Box(*reportedBox_);
    if (!box->isEnabled()) {
        return;
    }
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
}

} // namespace kinetra
