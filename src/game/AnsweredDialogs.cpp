// Answering the gallery's dialogs from queues.
#include "game/AnsweredDialogs.h"

#include <utility>

#include "library/ChoiceGrid.h"

namespace {

template <typename T>
std::optional<T> Next(std::deque<std::optional<T>>& queue) {
  if (queue.empty()) return std::nullopt;
  std::optional<T> answer = std::move(queue.front());
  queue.pop_front();
  return answer;
}

}  // namespace

std::optional<std::string> AnsweredDialogs::ChoosePicture(const std::string& folder,
                                                          const std::string& selected) {
  record_.push_back("picture chooser in \"" + folder + "\"" +
                    (selected.empty() ? "" : " at \"" + selected + "\""));
  return Next(pictures);
}

std::optional<PuzzleOptions> AnsweredDialogs::RunOptionsDialog(const OptionsRequest& request) {
  const auto labels = ChoiceLabels(request.pictureWidth, request.pictureHeight, request.playArea);
  std::string shown = "options " + std::to_string(request.pictureWidth) + " x " +
                      std::to_string(request.pictureHeight) + ":";
  for (const ChoiceLabel& label : labels) shown += " [" + label.text + "]";
  record_.push_back(shown);
  std::optional<PuzzleOptions> answer = Next(options);
  if (!answer) return std::nullopt;
  if (answer->choice == kPresetChoice) answer->choice = request.preset.choice;
  if (answer->choice < 0 || answer->choice >= kPieceSizeChoiceCount ||
      !labels[static_cast<std::size_t>(answer->choice)].enabled) {
    errors_.push_back("choice " + std::to_string(answer->choice) + " is not offered");
    return std::nullopt;
  }
  return answer;
}

std::optional<std::string> AnsweredDialogs::RunNameDialog(const std::string& initial,
                                                          const NameRule& rule) {
  record_.push_back("name \"" + initial + "\"");
  while (std::optional<std::string> typed = Next(names)) {
    const NameCheck check = rule(*typed);
    if (check.Accepted()) return check.name;
    record_.push_back("refused \"" + *typed + "\": " + check.refusal);
  }
  return std::nullopt;
}

std::vector<std::string> AnsweredDialogs::TakeRecord() {
  return std::exchange(record_, {});
}

std::vector<std::string> AnsweredDialogs::TakeErrors() {
  return std::exchange(errors_, {});
}

void AnsweredDialogs::ClearAnswers() {
  pictures.clear();
  options.clear();
  names.clear();
}
