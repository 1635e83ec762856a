// The recording host's calls.
#include "FakeHost.h"

#include <gtest/gtest.h>

void FakeHost::Present(const Surface& backSurface, const Rect& rect) {
  EXPECT_FALSE(rect.IsEmpty());
  EXPECT_TRUE(Rect::FromSize(0, 0, backSurface.Width(), backSurface.Height()).Contains(rect));
  presents.push_back(rect);
}

bool FakeHost::AskYesNo(const std::string& text) {
  questions.push_back(text);
  if (answers.empty()) {
    ADD_FAILURE() << "unexpected question: " << text;
    return false;
  }
  const bool answer = answers.front();
  answers.pop_front();
  return answer;
}

void FakeHost::ShowMessage(const std::string& text, MessageIcon icon) {
  messages.push_back({text, icon});
}

void FakeHost::OpenMessageWindow(const std::string& text, bool withProgress) {
  EXPECT_FALSE(messageWindowOpen) << "a second message window: " << text;
  messageWindowOpen = true;
  MessageWindowCall call;
  call.text = text;
  call.withProgress = withProgress;
  windowCalls.push_back(call);
}

void FakeHost::SetProgress(int lower, int upper, int position) {
  EXPECT_TRUE(messageWindowOpen) << "the bar moved without its window";
  MessageWindowCall call;
  call.kind = MessageWindowCall::Kind::Progress;
  call.lower = lower;
  call.upper = upper;
  call.position = position;
  windowCalls.push_back(call);
}

void FakeHost::CloseMessageWindow() {
  EXPECT_TRUE(messageWindowOpen) << "closing a message window that is not open";
  messageWindowOpen = false;
  MessageWindowCall call;
  call.kind = MessageWindowCall::Kind::Close;
  windowCalls.push_back(call);
}

void FakeHost::ShowPauseWindow(bool shown) {
  pauseShown = shown;
  ++pauseWindowCalls;
}

void FakeHost::SetThumbnailPicture(const Surface* picture, const Rect& source, bool placeDefault) {
  thumbnailPictures.push_back({picture, source, placeDefault});
}

std::vector<MessageWindowCall> FakeHost::WindowCalls(MessageWindowCall::Kind kind,
                                                     std::size_t from) const {
  std::vector<MessageWindowCall> calls;
  for (std::size_t i = from; i < windowCalls.size(); ++i) {
    if (windowCalls[i].kind == kind) calls.push_back(windowCalls[i]);
  }
  return calls;
}

std::vector<std::string> FakeHost::OpenedWindows(std::size_t from) const {
  std::vector<std::string> texts;
  for (const MessageWindowCall& call : WindowCalls(MessageWindowCall::Kind::Open, from))
    texts.push_back(call.text);
  return texts;
}

void FakeHost::ClearRecords() {
  presents.clear();
  scrolls.clear();
  questions.clear();
  messages.clear();
  windowCalls.clear();
  splashTexts.clear();
  pauseWindowCalls = 0;
  thumbnailPictures.clear();
  thumbnailMoves.clear();
  popups.clear();
  backgroundDialogs = 0;
  clockRepaints = 0;
  galleryControls.reset();
  joinSounds = 0;
  quits = 0;
}
