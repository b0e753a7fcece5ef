#pragma once

#include "app/MainWindow.h"
#include "discimage/ImageDiscSource.h"
#include "drive/CdioDiscSource.h"
#include "panel/CdPlayerPanel.h"
#include "platform/IntervalTimer.h"
#include "support/CountingRandom.h"
#include "support/FakeServices.h"
#include "support/RecordingOutput.h"

#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

/// The program's window with counted randomness, recording message boxes, and a panel whose drives
/// are the given disc images and whose sound is recorded, faster than real time.
struct PlayerWindow {
    QByteArray recording;
    CountingRandom random;
    FakeServices services;
    RecordingOutput* output = nullptr; ///< the latest; gone once playing stops
    CdPlayerPanel* panel;
    MainWindow window;

    explicit PlayerWindow(const std::vector<std::string>& images = {})
        : panel(new CdPlayerPanel(std::make_unique<CdioDiscSource>(images),
                                  [this] {
                                      auto made = std::make_unique<RecordingOutput>(recording);
                                      output = made.get();
                                      return made;
                                  })),
          window(random, services, services, panel)
    {
        panel->player().setImageSources(
            [](const std::string& path) { return std::make_shared<ImageDiscSource>(path); });
    }

    const Transport& transport() const { return panel->player().transport(); }
    QToolButton* button(const char* name) { return panel->findChild<QToolButton*>(name); }
    QLabel* display() { return panel->findChild<QLabel*>("display"); }
    QWidget* child(const char* name) { return window.findChild<QWidget*>(name); }
    int interval() { return window.findChild<IntervalTimer*>("Timer1")->interval(); }
    bool showAndWait()
    {
        window.show();
        window.activateWindow();
        return QTest::qWaitForWindowActive(&window) && QTest::qWaitForWindowExposed(&window);
    }
    void click(QPoint at = {100, 100}) { QTest::mouseClick(&window, Qt::LeftButton, {}, at); }
    void load() { QTest::mouseClick(window.findChild<QPushButton*>("cmdLoad"), Qt::LeftButton); }
};
