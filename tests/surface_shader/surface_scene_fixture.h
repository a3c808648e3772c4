// The plug-in set up in the stand-in game with an active camera: where the render callback tests start.
#pragma once

#include "surface_model.h"
#include "surface_plugin_fixture.h"

class SurfaceSceneTest : public SurfacePluginTest {
 protected:
  void SetUp() override {
    SurfacePluginTest::SetUp();
    scene_.handles = LoadAndSetUp();
    scene_.camera = &camera_;
    SetActiveCamera(&camera_);
  }

  GameScene scene_{};
  StandInFrame cameraFrame_{};
  StandInCamera camera_{0, &cameraFrame_};
};
