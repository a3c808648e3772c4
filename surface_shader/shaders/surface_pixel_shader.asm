// Surface pixel shader: the interpolated normal bent by the normal map, one directional light (diffuse
// and a specular highlight masked by the base texture's red channel), ambient, emissive and a cube map
// reflection. Partial precision everywhere except the normal-map sample.
//
// Register map
//   t0        xy: texture coordinate of the base texture and the normal map
//   t1        xyz: S, sum of the unit vectors towards camera and light; w: light weight
//   t2        world normal      t3  world position    t4  camera position
//   t5        world tangent     t6  world binormal
//   s0        colorSampler, base texture (2D)
//   s1        normalSampler, normal map (2D)
//   s2        envSampler, environment (cube)
//   c0        LightColor1       c1  AmbiColor         c2  SurfColor
//   c3        surfemissive      c4  x: SpecExpon      c5  x: refmul
//   c6        literal (-0.5, 0, 0, 0): channel recentring and the lower clamp of the dot products
//   r0        n, normal-map texel, then xy: offsets a, b
//   r1        Tn, then t3, then t4 - t3, then Vp + H, then R and the cube direction
//   r2        Bn, then Vp, unit view vector
//   r3        Nn, then the bent sum, then H
//   r4        Nb, bumped normal
//   r5        H2
//   r6        x: dot(H, Nb) then d; y: dot(H2, Nb) then s; z: 2 dot(Vp, Nb)
//   r7        env texel         r8  base texel c
//   r9        x: m, then s m, then k
//   r10       d LightColor1, then light, then k LightColor1
//   r11       c SurfColor, then surface, then lit, then the result

ps_2_x

dcl_pp t0.xy
dcl_pp t1
dcl_pp t2.xyz
dcl_pp t3.xyz
dcl_pp t4.xyz
dcl_pp t5.xyz
dcl_pp t6.xyz
dcl_2d s0
dcl_2d s1
dcl_cube s2

def c6, -0.5, 0, 0, 0

texld r0, t0, s1
add_pp r0.xy, r0, c6.x

nrm_pp r1.xyz, t5
nrm_pp r2.xyz, t6
nrm_pp r3.xyz, t2
mad_pp r3.xyz, r0.x, r1, r3
mad_pp r3.xyz, r0.y, r2, r3
nrm_pp r4.xyz, r3

// Vp = normalize(t4 - t3); an instruction reads one texture coordinate register at most
mov_pp r1.xyz, t3
add_pp r1.xyz, t4, -r1
nrm_pp r2.xyz, r1

nrm_pp r3.xyz, t1
add_pp r1.xyz, r2, r3
nrm_pp r5.xyz, r1

dp3_pp r6.x, r3, r4
dp3_pp r6.y, r5, r4
max_pp r6.xy, r6, c6.y
mul_pp r6.x, r6.x, t1.w
pow_pp r6.y, r6.y, c4.x

// R = Vp - 2 dot(Vp, Nb) Nb, looked up in the cube as (R.x, -R.y, R.z)
dp3_pp r6.z, r2, r4
add_pp r6.z, r6.z, r6.z
mad_pp r1.xyz, -r4, r6.z, r2
mov_pp r1.y, -r1.y
texld_pp r7, r1, s2

texld_pp r8, t0, s0
mov_sat_pp r9.x, r8.x
mul_pp r9.x, r9.x, r6.y
mul_pp r9.x, r9.x, r6.x

mul_pp r10, r6.x, c0
mad_pp r10, t1.w, r10, c1
mul_pp r11, r8, c2
mad_pp r11, r11, r10, c3
mul_pp r10, r9.x, c0
mad_pp r11, t1.w, r10, r11
mad_pp r11, c5.x, r7, r11
mov_pp oC0, r11
