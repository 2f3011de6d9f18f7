#include "windows/RecordLinesModel.h"

#include <QListView>
#include <gtest/gtest.h>

namespace {

QStringList shown(const QListView& view)
{
    QStringList texts;
    for (int row = 0; row < view.model()->rowCount(); ++row)
        texts << view.model()->index(row, 0).data().toString();
    return texts;
}

} // namespace

// The list holds 100,000 lines through this model: what a view shows and each line's record
// must follow every change, and the view must be told of each, or rows go stale or vanish.
TEST(RecordLinesModel, AViewFollowsAppendInsertRemoveAndClear)
{
    QListView view;
    auto* model = new RecordLinesModel(&view);
    view.setModel(model);
    view.setSelectionMode(QAbstractItemView::ExtendedSelection);

    model->append({{QStringLiteral("Al"), 3}, {QStringLiteral("Cy"), 1}});
    EXPECT_EQ(shown(view), (QStringList{"Al", "Cy"}));
    view.selectionModel()->select(model->index(1, 0), QItemSelectionModel::Select);

    model->insertLine(1, {QStringLiteral("pasted"), 0});
    EXPECT_EQ(shown(view), (QStringList{"Al", "pasted", "Cy"}));
    ASSERT_EQ(view.selectionModel()->selectedIndexes().size(), 1);
    EXPECT_EQ(view.selectionModel()->selectedIndexes().at(0).row(), 2) << "the selection moves with its line";

    model->append({{QStringLiteral("Di"), 4}}); // after lines already listed
    EXPECT_EQ(shown(view), (QStringList{"Al", "pasted", "Cy", "Di"}));
    EXPECT_EQ(model->records(), (std::vector<int>{3, 0, 1, 4}));
    EXPECT_EQ(model->index(3, 0).data(RecordLinesModel::RecordRole).toInt(), 4);

    model->removeLine(0);
    EXPECT_EQ(model->texts(), (QStringList{"pasted", "Cy", "Di"}));
    EXPECT_EQ(model->records(), (std::vector<int>{0, 1, 4}));

    model->clear();
    EXPECT_EQ(model->rowCount(), 0);
    EXPECT_FALSE(model->index(0, 0).data().isValid());
    EXPECT_TRUE(view.selectionModel()->selectedIndexes().isEmpty());
}
