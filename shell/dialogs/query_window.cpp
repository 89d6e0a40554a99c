#include "shell/dialogs/dialogs.h"

#include <limits>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "shell/qt_toolkit.h"
#include "storage/const_dialog.h"

namespace trellum::shell {

std::unique_ptr<ModelWindow> MakeQueryWindow(QWidget* parent, QueryDialog& model, const QIcon& icon)
{
    auto window = std::make_unique<ModelWindow>(parent);
    ModelWindow* w = window.get();
    w->setObjectName(QStringLiteral("frmQuery"));
    w->setWindowIcon(icon);

    auto* lblName = new QLabel(QStringLiteral("Name:"), w);
    lblName->setObjectName(QStringLiteral("lblName"));
    auto* txtName = new QLineEdit(w);
    txtName->setObjectName(QStringLiteral("txtName"));
    auto* lblVal = new QLabel(QStringLiteral("Values:"), w);
    lblVal->setObjectName(QStringLiteral("lblVal"));
    auto* txtVal = new QLineEdit(w);
    txtVal->setObjectName(QStringLiteral("txtVal"));
    auto* cmdOk = new QPushButton(QStringLiteral("&OK"), w);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setDefault(true);
    auto* cmdCancel = new QPushButton(QStringLiteral("&Cancel"), w);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    for (QLineEdit* text : {txtName, txtVal}) text->setMaxLength(std::numeric_limits<int>::max());
    lblName->setBuddy(txtName);
    lblVal->setBuddy(txtVal);

    SetTwipsGeometry(lblName, 360, 360, 555, 195);
    SetTwipsGeometry(txtName, 1200, 240, 2175, 405);
    SetTwipsGeometry(lblVal, 360, 960, 645, 195);
    SetTwipsGeometry(txtVal, 1200, 840, 2175, 375);
    SetTwipsGeometry(cmdOk, 480, 1440, 1215, 375);
    SetTwipsGeometry(cmdCancel, 2400, 1440, 1215, 375);
    w->setFixedSize(TwipsToPixels(4035, w), TwipsToPixels(2070, w));
    QWidget::setTabOrder(txtName, txtVal);
    QWidget::setTabOrder(txtVal, cmdOk);
    QWidget::setTabOrder(cmdOk, cmdCancel);
    txtName->setFocus();

    model.Form_Load();
    txtName->setText(ToQString(model.txtName));
    txtVal->setText(ToQString(model.txtVal));

    w->IsClosed = [&model] { return model.Hidden; };
    w->FormClose = [&model] { model.Form_Close(); };
    w->EscapeKey = [&model] { model.cmdCancel_Click(); };
    w->Render = [&model, w] { w->setWindowTitle(ToQString(model.Caption)); };

    QObject::connect(cmdOk, &QPushButton::clicked, w, [&model, w, txtName, txtVal] {
        w->Forward([&model, txtName, txtVal] {
            model.txtName = ToStdString(txtName->text());
            model.txtVal = ToStdString(txtVal->text());
            model.cmdOk_Click();
        });
    });
    QObject::connect(cmdCancel, &QPushButton::clicked, w, [&model, w] { w->Forward([&model] { model.cmdCancel_Click(); }); });

    w->Render();
    return window;
}

void RunQueryWindow(QWidget* parent, QueryDialog& model, const QIcon& icon)
{
    MakeQueryWindow(parent, model, icon)->exec();
}

}  // namespace trellum::shell
