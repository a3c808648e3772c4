// Surface vertex shader: clip position, plus everything the surface pixel shader lights with, in world
// space. It does no lighting itself.
//
// Register map
//   v0        position, object space (the stream's w is ignored)
//   v1        texture coordinate
//   v2 v3 v4  normal, tangent, binormal, object space, w = 1 from the stream
//   c0-c3     WorldViewProj columns 0-3: object space to clip space
//   c4-c6     WorldIT columns 0-2: normal, tangent and binormal to world space (w adds unscaled)
//   c7-c9     World columns 0-2: position to world space
//   c10-c12   ViewInv columns 0-2; only w is read: the camera's world position
//   c13       LightDir, xyz: direction in which the light travels
//   c14       literal (1, 0, 0, 0)
//   r0        P, the position with w = 1
//   r1        Pw, world position
//   r2        E, camera position, then D = E - Pw
//   r3        x: 1 / |LightDir|, then xyz: L, unit vector towards the light
//   r4        x: 1 / |D|
//   oPos      clip position
//   oT0       texture coordinate, unchanged
//   oT1       xyz: V + L (not normalised), w: 1
//   oT2       world normal      oT3  world position   oT4  camera position
//   oT5       world tangent     oT6  world binormal

vs_2_0

dcl_position v0
dcl_texcoord v1
dcl_normal v2
dcl_tangent v3
dcl_binormal v4

def c14, 1, 0, 0, 0

// P = v0.xyzx * (1, 1, 1, 0) + (0, 0, 0, 1)
mad r0, v0.xyzx, c14.xxxy, c14.yyyx

dp4 oPos.x, r0, c0
dp4 oPos.y, r0, c1
dp4 oPos.z, r0, c2
dp4 oPos.w, r0, c3

mov oT0, v1

dp4 oT2.x, v2, c4
dp4 oT2.y, v2, c5
dp4 oT2.z, v2, c6

dp4 oT5.x, v3, c4
dp4 oT5.y, v3, c5
dp4 oT5.z, v3, c6

dp4 oT6.x, v4, c4
dp4 oT6.y, v4, c5
dp4 oT6.z, v4, c6

dp4 r1.x, r0, c7
dp4 r1.y, r0, c8
dp4 r1.z, r0, c9
mov oT3.xyz, r1

mov r2.x, c10.w
mov r2.y, c11.w
mov r2.z, c12.w
mov oT4.xyz, r2

// L = -LightDir / |LightDir|, every vertex
dp3 r3.x, c13, c13
rsq r3.x, r3.x
mul r3.xyz, -c13, r3.x

// V = D / |D|, folded into the sum V + L
add r2.xyz, r2, -r1
dp3 r4.x, r2, r2
rsq r4.x, r4.x
mad oT1.xyz, r2, r4.x, r3
mov oT1.w, c14.x
