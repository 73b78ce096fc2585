#include "app/form/FormRecord.h"

#include "app/compute/ConversionError.h"
#include "app/files/UserFile.h"
#include "app/form/InputNames.h"
#include "app/format/NumberFormat.h"

#include <algorithm>

namespace vortalin {

FormRecord::FormRecord(char decimalSeparator) : separator_(decimalSeparator) {
    for (std::size_t i = 0; i < kEditCount; ++i) {
        texts_[i] = DefaultText(static_cast<EditId>(i), separator_);
    }
    for (std::size_t i = 0; i < kButtonCount; ++i) {
        selected_[i] = SelectedAtStart(static_cast<ButtonId>(i));
    }
}

void FormRecord::Select(ButtonId button) {
    const ButtonGroup group = GroupOf(button);
    for (std::size_t i = 0; i < kButtonCount; ++i) {
        if (GroupOf(static_cast<ButtonId>(i)) == group) {
            selected_[i] = false;
        }
    }
    selected_[Index(button)] = true;
}

void FormRecord::SetInputText(EditId field, std::string text) {
    std::string& current = texts_[Index(field)];
    if (current != text) {
        current = std::move(text);
        numbers_.Forget(field);
    }
}

void FormRecord::SetText(EditId field, const std::string& text) {
    texts_[Index(field)] = text;
    numbers_.Forget(field);
}

double FormRecord::NumberFrom(EditId field) const {
    return numbers_.Read(field, texts_[Index(field)], separator_);
}

int FormRecord::IntegerFrom(EditId field) const {
    return ConvertField(field, [&] { return ParseInteger(texts_[Index(field)]); });
}

void FormRecord::ShowMessage(const std::string& text) {
    messages_.push_back(text);
    if (messageObserver_) {
        messageObserver_(text);
    }
}

void FormRecord::SetProgressMaximum(int maximum) {
    progressMaximum_ = maximum;
    progressPosition_ = std::min(progressPosition_, std::max(maximum, 0));
}

void FormRecord::SetProgressPosition(int position) {
    progressPosition_ = std::clamp(position, 0, std::max(progressMaximum_, 0));
}

std::unique_ptr<ResultsSink> FormRecord::OpenResultsFile(const std::string& path) {
    return fileOpener_ ? fileOpener_(path) : OpenUserFile(path);
}

} // namespace vortalin
