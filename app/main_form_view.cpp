#include "app/main_form.h"

#include "app/view_settings.h"
#include "document/doc_editor.h"
#include "document/editor_view.h"
#include "document/mdi_child.h"

// The Option menu's view entries: they apply to every document window and
// are kept at once.

void TMainForm::ColourTagsClick(QObject *)
{
    ViewOptions options = Views;
    options.colourTags = !options.colourTags;
    setViewOptions(options);
}

void TMainForm::LineNumbersClick(QObject *)
{
    ViewOptions options = Views;
    options.lineNumbers = !options.lineNumbers;
    setViewOptions(options);
}

void TMainForm::WrapLinesClick(QObject *)
{
    ViewOptions options = Views;
    options.wrap = !options.wrap;
    setViewOptions(options);
}

void TMainForm::setViewOptions(const ViewOptions &options)
{
    Views = options;
    showViewOptions();
    for (TMDIChild *doc : Documents.filled())
        EditorView::of(doc->txtDoc)->apply(Views);
    // Not worth a message box: the options stay for this run all the same.
    writeViewSettings(viewSettingsPath(), Views);
}

void TMainForm::showViewOptions()
{
    const std::pair<const char *, bool> entries[] = {
            {"ColourTags", Views.colourTags}, {"LineNumbers", Views.lineNumbers}, {"WrapLines", Views.wrap}};
    for (const auto &[name, on] : entries) {
        QAction *action = mainAction(name);
        action->setCheckable(true);
        action->setChecked(on);
    }
}
