#include "main/aboutdlg.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "resources/appicon.h"

#ifndef ZEPH_VERSION
#error "ZEPH_VERSION must be defined by the build"
#endif

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("100"));
    setWindowTitle(QStringLiteral("About ZephJ"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    auto* icon = new QLabel(this);
    icon->setPixmap(zeph::AppIcon().pixmap(48, 48));
    icon->setAlignment(Qt::AlignTop);

    auto* title = new QLabel(ProductTitle(), this);
    title->setObjectName(QStringLiteral("title"));
    auto* subtitle = new QLabel(QStringLiteral("Psychrometric Chart"), this);

    auto* texts = new QVBoxLayout;
    texts->addWidget(title);
    texts->addWidget(subtitle);
    texts->addStretch(1);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("1"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addSpacing(12);
    top->addLayout(texts, 1);
    top->addWidget(ok, 0, Qt::AlignTop);

    auto* outer = new QVBoxLayout(this);
    outer->addLayout(top);
    setFixedSize(sizeHint().expandedTo(QSize(320, 90)));
}

QString CAboutDlg::ProductTitle() {
    return QStringLiteral("ZephJ Version ") + QStringLiteral(ZEPH_VERSION);
}
