// SPDX-License-Identifier: GPL-3.0-or-later
// The cost of Qt itself: a bare Qt Widgets window with the same kinds of menus, toolbar, views
// and status bar as the program's main window, and nothing behind them.
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QTreeWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare Qt"));
    const char *menus[] = {"ファイル(&F)", "編集(&E)", "ツール(&T)", "ヘルプ(&H)"};
    for (const char *title : menus) {
        QMenu *menu = window.menuBar()->addMenu(QString::fromUtf8(title));
        for (int item = 0; item < 5; ++item)
            menu->addAction(QStringLiteral("項目 %1").arg(item + 1));
    }
    QToolBar *toolbar = window.addToolBar(QStringLiteral("toolbar"));
    for (int button = 0; button < 10; ++button)
        toolbar->addAction(window.style()->standardIcon(QStyle::SP_DirOpenIcon),
                           QStringLiteral("%1").arg(button));
    auto *splitter = new QSplitter(Qt::Vertical);
    auto *top = new QSplitter(Qt::Horizontal);
    auto *tree = new QTreeWidget;
    tree->setHeaderHidden(true);
    tree->addTopLevelItem(new QTreeWidgetItem(QStringList(QStringLiteral("ﾏｲ ｺﾝﾋﾟｭｰﾀ"))));
    top->addWidget(tree);
    top->addWidget(new QListWidget);
    top->addWidget(new QLabel);
    splitter->addWidget(top);
    splitter->addWidget(new QListWidget);
    window.setCentralWidget(splitter);
    window.statusBar()->showMessage(QStringLiteral("準備完了"));
    window.resize(790, 560);
    window.move(100, 100);
    window.show();
    return app.exec();
}
