// The progress indicator that cutting advances while the pieces are made.
#pragma once

// Shown by the message window while a game starts: cutting sets the range and the step once,
// then steps. The steps of one cut add up to exactly the range.
class CutProgress {
 public:
  virtual ~CutProgress() = default;
  virtual void SetRange(int lower, int upper) = 0;
  virtual void SetStep(int step) = 0;
  virtual void StepIt() = 0;
};

// Keeps what cutting reports, for callers without a progress window.
class CountingProgress : public CutProgress {
 public:
  void SetRange(int lower, int upper) override {
    lower_ = lower;
    upper_ = upper;
  }
  void SetStep(int step) override { step_ = step; }
  void StepIt() override { position_ += step_; }

  int Lower() const { return lower_; }
  int Upper() const { return upper_; }
  int Position() const { return position_; }

 private:
  int lower_ = 0;
  int upper_ = 0;
  int step_ = 1;
  int position_ = 0;
};
