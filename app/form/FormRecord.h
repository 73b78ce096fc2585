#pragma once
// The plain record of the window: edit texts and selections by control name, with the
// window's defaults, recording the texts set and the messages shown. The command-line
// front end and most tests compute on it.

#include "app/compute/WindowServices.h"
#include "app/form/ParsedNumbers.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace vortalin {

class FormRecord final : public WindowServices {
public:
    explicit FormRecord(char decimalSeparator = ',');

    // --- the record's own access, for front ends and tests ---
    const std::string& Text(EditId field) const { return texts_[Index(field)]; }
    void SetInputText(EditId field, std::string text);
    // Selects a button and clears the others of its group.
    void Select(ButtonId button);
    const std::string& StatusText() const { return status_; }
    const std::vector<std::string>& Messages() const { return messages_; }
    void ClearMessages() { messages_.clear(); }
    FieldColour DiameterFieldColour() const { return diameterColour_; }
    bool DiameterFieldEnabled() const { return diameterEnabled_; }
    bool SaveToFileChecked() const { return saveChecked_; }
    int ProgressMaximum() const { return progressMaximum_; }
    bool RangeDialogShown() const { return rangeDialogShown_; }
    // The answer of the save dialog: a path, or nullopt for "cancelled".
    void SetSaveDialogAnswer(std::optional<std::string> answer) { saveAnswer_ = std::move(answer); }
    // Called with each message as it is shown (after it is recorded).
    void SetMessageObserver(std::function<void(const std::string&)> observer) {
        messageObserver_ = std::move(observer);
    }
    // How results files are opened: by the one writer of the user's files (UserFile.h)
    // unless a front end or a test gives another opener.
    using FileOpener = std::function<std::unique_ptr<ResultsSink>(const std::string& path)>;
    void SetResultsFileOpener(FileOpener opener) { fileOpener_ = std::move(opener); }
    // Asked after every sweep step whether to stop (e.g. a signal arrived).
    void SetStopCheck(std::function<bool()> check) { stopCheck_ = std::move(check); }
    // Whether the result fields are written (true, as in the window) or left alone.
    void SetResultTextsRead(bool read) { resultTextsRead_ = read; }

    // --- WindowServices ---
    bool IsSelected(ButtonId button) const override { return selected_[Index(button)]; }
    double NumberFrom(EditId field) const override;
    int IntegerFrom(EditId field) const override;
    void SetText(EditId field, const std::string& text) override;
    void SetStatusText(const std::string& text) override { status_ = text; }
    void SetDiameterFieldColour(FieldColour colour) override { diameterColour_ = colour; }
    void SetDiameterFieldEnabled(bool enabled) override { diameterEnabled_ = enabled; }
    void ShowMessage(const std::string& text) override;
    void SetSaveToFileChecked(bool checked) override { saveChecked_ = checked; }
    std::optional<std::string> ChooseResultsFile() override { return saveAnswer_; }
    void SetProgressMaximum(int maximum) override;
    void SetProgressPosition(int position) override;
    int ProgressPosition() const override { return progressPosition_; }
    void ShowRangeDialog() override { rangeDialogShown_ = true; }
    char DecimalSeparator() const override { return separator_; }
    std::unique_ptr<ResultsSink> OpenResultsFile(const std::string& path) override;
    bool StopRequested() const override { return stopCheck_ && stopCheck_(); }
    bool ResultTextsRead() const override { return resultTextsRead_; }

private:
    char separator_;
    std::array<std::string, kEditCount> texts_;
    ParsedNumbers numbers_; // a batch case changes a few texts and reads all of them again
    std::array<bool, kButtonCount> selected_{};
    std::string status_;
    std::vector<std::string> messages_;
    std::function<void(const std::string&)> messageObserver_;
    FileOpener fileOpener_;
    std::function<bool()> stopCheck_;
    FieldColour diameterColour_ = FieldColour::Window;
    bool diameterEnabled_ = true;
    bool saveChecked_ = false;
    bool rangeDialogShown_ = false;
    bool resultTextsRead_ = true;
    std::optional<std::string> saveAnswer_;
    int progressMaximum_ = 100;
    int progressPosition_ = 0;
};

} // namespace vortalin
