#pragma once

// The laboratory window as its tests open it, and a student's ways with its controls, each found
// by its accessible name as a screen reader finds it.
#include "lab_window.h"

#include <QAbstractButton>
#include <QColor>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <utility>

class LabWindowTest : public testing::Test {
protected:
    void SetUp() override {
        window_ = std::make_unique<TLabWindow>();
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
        table_ = Find<QTableView>("Kroky laboratória");
        ASSERT_NE(table_, nullptr);
    }

    // The shown control with the accessible name `name` ("a" names a field of linear rotation
    // and another of hyperbolic vectoring, one of them hidden).
    template <class T> T* Find(const char* name) {
        for (T* widget : window_->findChildren<T*>()) {
            if (widget->accessibleName() == QString::fromUtf8(name) &&
                widget->isVisibleTo(window_.get())) {
                return widget;
            }
        }
        ADD_FAILURE() << "no control named " << name;
        return nullptr;
    }

    void Click(const char* name) { Find<QAbstractButton>(name)->click(); }
    void Type(const char* name, const char* text) {
        // One change, as a paste makes: typed key by key, "200" would run 2 and 20 degrees first.
        Find<QLineEdit>(name)->setText(QString::fromUtf8(text));
    }
    void Set(const char* name, int value) { Find<QSpinBox>(name)->setValue(value); }
    // Replaces the text of a field or spin box key by key, as a student types it.
    void TypeKeys(const char* name, const char* text) {
        QWidget* field = Find<QWidget>(name);
        field->setFocus();
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, QString::fromUtf8(text));
    }
    QString Text(const char* name) { return Find<QLabel>(name)->text(); }

    QString Cell(int row, int column) const {
        return table_->model()->index(row, column).data().toString();
    }
    // How many pixels of the cell's picture have `colour`, left and right of `fraction` of its
    // width.
    std::pair<int, int> ColourLeftAndRight(int row, int column, const QColor& colour,
                                           double fraction) const {
        const QRect cell = table_->visualRect(table_->model()->index(row, column));
        const QImage image = table_->viewport()->grab(cell).toImage();
        std::pair<int, int> counts{0, 0};
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixelColor(x, y) == colour) {
                    (x > image.width() * fraction ? counts.second : counts.first) += 1;
                }
            }
        }
        return counts;
    }

    std::unique_ptr<TLabWindow> window_;
    QTableView* table_ = nullptr;
};
