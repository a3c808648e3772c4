# Builds the plug-ins for 32-bit Windows and runs their tests under Wine. CMake does the work; this file
# only puts the steps in order and installs what a fresh Debian 12 machine lacks.
PRESET := release
BUILD := build
DIST := dist

.PHONY: all deps configure build test benchmark preview-fps shaders shader-slots textures format clean

# The stand-in game drawing through the real plug-in on Wine's Direct3D 9, in the release folder as its
# game folder; the picture stays outside the player's zip.
PREVIEW := scripts/with-display.sh $(BUILD)/wineprefix scripts/wine-run.sh $(BUILD)/wineprefix \
  $(BUILD)/bin/surface_preview.exe
PREVIEW_FRAMES := 30

all: build
	@echo "==> Collecting the release in $(DIST)/ and packing it into $(DIST)/game-plugins.zip"
	@scripts/pack-release.sh $(BUILD) $(DIST)
	@echo "==> Rendering the preview $(DIST)/preview.png"
	@$(PREVIEW) $(DIST) $(DIST)/preview.png
	@cd $(DIST) && find . -type f | sort

deps:
	@echo "==> Checking build dependencies"
	@scripts/install-deps.sh

configure: deps
	@echo "==> Configuring"
	@cmake --preset $(PRESET) >/dev/null

build: configure
	@echo "==> Building"
	@cmake --build --preset $(PRESET)

test: build
	@echo "==> Testing under Wine"
	@scripts/with-display.sh $(BUILD)/wineprefix ctest --preset $(PRESET)

# The render callback's own cost per mesh and the plug-in sizes; a measurement, printed, never a test.
benchmark: build
	@echo "==> Measuring the render callback and the plug-in sizes"
	@scripts/wine-run.sh $(BUILD)/wineprefix $(BUILD)/bin/speed_benchmark.exe

# Frames per second of the preview scene on this machine's Direct3D 9 (llvmpipe under Xvfb).
preview-fps: all
	@echo "==> Timing $(PREVIEW_FRAMES) frames of the preview scene"
	@$(PREVIEW) $(DIST) --frames $(PREVIEW_FRAMES)

# Assembles the shader sources again into the committed bytecode arrays.
SHADERS := surface_shader/shaders
ASSEMBLER := scripts/wine-run.sh $(BUILD)/wineprefix $(BUILD)/bin/shader_assembler.exe
shaders: build
	@echo "==> Assembling the surface shaders into $(SHADERS)/surface_shader_code.cpp"
	@$(ASSEMBLER) generate $(SHADERS)/surface_shader_code.cpp surface_shader_code.h \
	  SurfaceVertexShaderCode $(SHADERS)/surface_vertex_shader.asm $(SHADERS)/surface_vertex_shader.constants \
	  SurfacePixelShaderCode $(SHADERS)/surface_pixel_shader.asm $(SHADERS)/surface_pixel_shader.constants

# Instruction slots of each shader program, by the shader model's counting rules.
shader-slots: build
	@$(ASSEMBLER) slots $(SHADERS)/surface_vertex_shader.asm $(SHADERS)/surface_pixel_shader.asm

# Generates the default textures again into the committed files.
TEXTURES := extra_resources/textures
textures: build
	@echo "==> Generating the default textures in $(TEXTURES)/"
	@scripts/wine-run.sh $(BUILD)/wineprefix $(BUILD)/bin/texture_generator.exe $(TEXTURES)

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	@rm -rf $(BUILD) $(DIST)
