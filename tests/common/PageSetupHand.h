#pragma once
// The user's hand in the page-layout panel (QPageSetupDialog), by the names
// its form gives its parts.
#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <gtest/gtest.h>

namespace zelk::test {

inline QComboBox* panelPaper(QDialog* panel) {
    return panel->findChild<QComboBox*>("pageSizeCombo");
}

// Picks a paper as the panel lists it, and the orientation.
inline void choosePaper(QDialog* panel, const QString& paper, bool landscape = false) {
    QComboBox* combo = panelPaper(panel);
    ASSERT_TRUE(combo);
    ASSERT_GE(combo->findText(paper), 0) << paper.toStdString();
    combo->setCurrentIndex(combo->findText(paper));
    panel->findChild<QAbstractButton*>(landscape ? "landscape" : "portrait")->click();
}

}  // namespace zelk::test
